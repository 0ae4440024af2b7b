#include "ui/AlbumView.h"

#include "album/Album.h"
#include "core/EventDispatch.h"
#include "core/Host.h"
#include "forms/MainForm1.h"
#include "ui/AlbumStrip.h"

#include <QResizeEvent>

AlbumView::AlbumView(ThumbnailsControl& control, TMainForm1& main, QWidget* parent)
    : ControlView(control, main.host().dispatch(), parent)
    , m_thumbs(control)
    , m_main(main)
    , m_strip(new album::AlbumStrip(this))
{
    m_strip->setGeometry(rect());
    TMainForm1* form = &main;
    EventDispatch* dispatch = &m_dispatch;
    connect(m_strip, &album::AlbumStrip::selectFile, this, [form, dispatch](const QString& folder, const QString& name) {
        dispatch->deliver([form, folder, name] { form->VIkThumb1SelectFile(folder, name); });
    });
    connect(m_strip, &album::AlbumStrip::selectionChanged, this, [form, dispatch](const QString& name) {
        dispatch->deliver([form, name] { form->IkThumb1SelectionChanged(name); });
    });
    connect(m_strip, &album::AlbumStrip::contextMenuRequested, this, [form, dispatch](const QPoint&) {
        dispatch->deliver([form] { form->host().dialogs().popUpMenu(form->PopupMenu2.name()); });
    });
    sync();
}

void AlbumView::sync()
{
    ControlView::sync();
    if (!m_strip || !m_main.album)
        return;
    // A new list (a move, a reload that changed a file) starts the strip
    // afresh; a change of the selection alone keeps its scroll position.
    QList<QString> key;
    for (const album::AlbumEntry& e : m_main.album->entries())
        key << e.fileName + u'|' + e.modified.toString(Qt::ISODateWithMs) + u'|' + QString::number(e.size);
    if (m_thumbs.folder() != m_shownFolder || key != m_shownKey) {
        m_shownFolder = m_thumbs.folder();
        m_shownKey = key;
        m_strip->setFiles(m_main.album->folder(), m_main.album->entries());
    }
    if (m_strip->selectedFile() != m_thumbs.selected())
        m_strip->setSelectedFile(m_thumbs.selected());
}

void AlbumView::resizeEvent(QResizeEvent* event)
{
    ControlView::resizeEvent(event);
    m_strip->setGeometry(rect());
}
