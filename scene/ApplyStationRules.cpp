// Applying the special station configurations after the station move has
// built the scene from the station row.

#include "forms/MainForm1.h"

#include "data/DataForm1.h"
#include "data/StationRules.h"

void TMainForm1::Button1Click(Control*)
{
    for (const SpecialRule& rule : specialRules()) {
        if (rule.applies(currentStation, currentLine))
            applySpecialRule(rule);
    }
}

void TMainForm1::applySpecialRule(const SpecialRule& rule)
{
    for (const SpecialRule::TrainQuery& setting : rule.trainQueries) {
        Query& trains = data().trainQuery(setting.slot);
        trains.close();
        if (QByteArrayView(setting.line) == "both") {
            trains.setSql(QStringLiteral("SELECT * FROM Train WHERE(ROSEN_J=?)OR(ROSEN_J=?)"),
                          {QStringLiteral("南北線"), QStringLiteral("三田線")});
        } else {
            trains.setSql(QStringLiteral("SELECT * FROM Train WHERE(ROSEN_J=?)"), {QString::fromUtf8(setting.line)});
        }
        trains.open();
    }
    for (const SpecialRule::RailColor& setting : rule.rails)
        rail(setting.slot).setOutlineColor(setting.color);

    if (rule.plate)
        Info00_01.setCaption(QString::fromUtf8(rule.plate));
    auto neighbour = [](Control& japanese, Control& latin, const SpecialRule::Neighbour& setting) {
        if (!setting.japanese)
            return;
        // Silver: shown, but no target of the neighbour move.
        japanese.setFontColor(kOtherRailwayNeighbour);
        japanese.setCaption(QString::fromUtf8(setting.japanese));
        latin.setFontColor(kOtherRailwayNeighbour);
        latin.setCaption(QString::fromUtf8(setting.latin));
    };
    neighbour(Info00_03, Info00_04, rule.left);
    neighbour(Info00_05, Info00_06, rule.right);

    for (const SpecialRule::Panel& panel : rule.panels) {
        if (panel.lineNames)
            linePanelItem(panel.slot, 1).setCaption(QString::fromUtf8(panel.lineNames));
        if (panel.direction)
            linePanelItem(panel.slot, 2).setCaption(QString::fromUtf8(panel.direction));
        if (panel.trackNumber)
            linePanelItem(panel.slot, 3).setCaption(QString::fromUtf8(panel.trackNumber));
        if (panel.ring >= 0)
            linePanelItem(panel.slot, 4).setOutlineColor(panel.ring);
    }
    for (const SpecialRule::Visibility& setting : rule.visibility) {
        Control* item = nullptr;
        switch (setting.item) {
        case SpecialRule::Item::Rail03:
            item = &Rail03;
            break;
        case SpecialRule::Item::Info03:
            item = &Info03;
            break;
        case SpecialRule::Item::Info05:
            item = &Info05;
            break;
        case SpecialRule::Item::Info06:
            item = &Info06;
            break;
        case SpecialRule::Item::Info07:
            item = &Info07;
            break;
        }
        item->setVisible(setting.shown);
    }
    for (const SpecialRule::Direction& setting : rule.directions)
        directionFlag[setting.slot - 1] = setting.leftToRight;
}
