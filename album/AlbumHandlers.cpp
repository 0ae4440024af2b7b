// The photo album's handlers: the station move's step, the context menu,
// the strip's selection and the address link.

#include "album/Album.h"
#include "core/Host.h"
#include "data/DataForm1.h"
#include "forms/MainForm1.h"

#include <QFileInfo>

namespace {

const QString kAddTitle = QStringLiteral("写真の追加(複数のファイルを選択可)");
const QStringList kAddFilters = {
    QStringLiteral("すべての画像ﾌｧｲﾙ (*.bmp;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.pcx;*.fpx;*.png) "
                   "(*.bmp *.jpg *.jpeg *.gif *.tif *.tiff *.pcx *.fpx *.png)"),
    QStringLiteral("すべてのﾌｧｲﾙ (*.*) (*)"),
};

}  // namespace

void TMainForm1::createAlbum()
{
    album = std::make_shared<album::Album>(album::AlbumPlace::forProgramFolder(programFolder));
}

void TMainForm1::refreshAlbumView()
{
    albumFolder = album->folder();
    IkThumb1.show(album->folder(), album->fileNames(), album->selectedFile());
}

void TMainForm1::showAlbum()
{
    album->showStation(currentLine, currentStation);
    refreshAlbumView();
}

void TMainForm1::P01Click()
{
    const QStringList files = m_host.dialogs().askOpenFiles(kAddTitle, kAddFilters);
    if (files.isEmpty())
        return;
    album->add(files);  // a copy that fails is skipped without a word
    refreshAlbumView();
}

QString TMainForm1::trashQuestion(const QString& fileName)
{
    return QStringLiteral("「%1」をごみ箱に移動しますか?").arg(fileName);
}

void TMainForm1::P02Click()
{
    const QString selected = album->selectedFile();
    if (selected.isEmpty())
        return;
    if (!m_host.dialogs().askYesNo(trashQuestion(selected)))
        return;
    album->trashSelected();
    refreshAlbumView();
}

void TMainForm1::P04_1Click()
{
    P04_1.setChecked(true);
    P04_2.setChecked(false);
    album->setSortOrder(album::SortOrder::ByName);
    refreshAlbumView();
}

void TMainForm1::P04_2Click()
{
    P04_1.setChecked(false);
    P04_2.setChecked(true);
    album->setSortOrder(album::SortOrder::ByDate);
    refreshAlbumView();
}

void TMainForm1::P06Click()
{
    // A station without pictures has no folder yet: nothing opens.
    const QString folder = album->folder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_host.shell().open(folder);
}

void TMainForm1::VIkThumb1SelectFile(const QString& folder, const QString& fileName)
{
    // Only a file of the album shown is opened: a report about another
    // folder (a strip not yet redrawn) or an unlisted name opens nothing.
    if (folder != album->folder() || !album->select(fileName)) {
        refreshAlbumView();
        return;
    }
    IkThumb1.show(album->folder(), album->fileNames(), album->selectedFile());
    m_host.shell().open(album->selectedPath());
}

void TMainForm1::IkThumb1SelectionChanged(const QString& fileName)
{
    album->select(fileName);
    IkThumb1.show(album->folder(), album->fileNames(), album->selectedFile());
}

void TMainForm1::SpeedButton1Click()
{
    Query& row = data().Query0;
    if (!row.active())
        return;
    const QString url = row.fieldAsString(QStringLiteral("URL1"));
    if (!url.isEmpty())
        m_host.shell().open(url);
}
