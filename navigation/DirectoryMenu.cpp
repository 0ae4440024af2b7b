#include "navigation/DirectoryMenu.h"

#include <QByteArrayView>

namespace {

DirectoryMenuItem separator()
{
    DirectoryMenuItem item;
    item.kind = DirectoryMenuItem::Kind::Separator;
    return item;
}

std::vector<DirectoryMenuItem> buildMenu()
{
    std::vector<DirectoryMenuItem> menu;
    // No station of its own: it opens the route map (SN_00Click).
    menu.push_back({DirectoryMenuItem::Kind::Pick, QStringLiteral("[路線図] から選択する"), nullptr, {}});
    menu.push_back(separator());
    for (const DirectoryGroup& group : stationDirectory()) {
        if (QByteArrayView(group.name) == "SN_A")
            menu.push_back(separator());
        DirectoryMenuItem sub{DirectoryMenuItem::Kind::SubMenu, QString::fromUtf8(group.caption), nullptr, {}};
        for (const DirectoryEntry& entry : group.items) {
            if (isSeparator(entry))
                sub.items.push_back(separator());
            else
                sub.items.push_back({DirectoryMenuItem::Kind::Pick, QString::fromUtf8(entry.caption), &entry, {}});
        }
        menu.push_back(std::move(sub));
    }
    return menu;
}

}  // namespace

const std::vector<DirectoryMenuItem>& directoryMenu()
{
    static const std::vector<DirectoryMenuItem> menu = buildMenu();
    return menu;
}
