#pragma once
// The view of the album's thumbnail control IkThumb1: the strip of our own,
// showing the album's files and forwarding what the user does to the
// album's handlers.

#include "ui/ControlView.h"

class TMainForm1;
class ThumbnailsControl;
namespace album { class AlbumStrip; }

class AlbumView : public ControlView {
public:
    AlbumView(ThumbnailsControl& control, TMainForm1& main, QWidget* parent);
    void sync() override;
    album::AlbumStrip& strip() { return *m_strip; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ThumbnailsControl& m_thumbs;
    TMainForm1& m_main;
    album::AlbumStrip* m_strip;
    QString m_shownFolder;
    QList<QString> m_shownKey;  // the files shown with their dates and sizes
};
