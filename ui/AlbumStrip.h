#pragma once
// The album's thumbnail strip: three thumbnails in one row scrolling
// sideways, each a flat button with its file name. It shows the files it is
// given and reports what the user does; the album itself decides the rest.

#include "album/Album.h"
#include "album/ThumbnailMaker.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QString>

namespace album {

class AlbumStrip : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kColumns = 3;
    static constexpr int kGap = 2;
    static constexpr int kEdge = 3;
    static constexpr int kWheelStep = 120;  // one notch of a wheel

    enum class CellState { Waiting, Picture, Placeholder };

    // cacheFolder: the thumbnails' disk cache (empty: the user's cache folder).
    explicit AlbumStrip(QWidget* parent = nullptr, const QString& cacheFolder = QString());

    // Shows these files of the folder; clears the selection and scrolls home.
    void setFiles(const QString& folder, const QList<AlbumEntry>& entries);
    QString folder() const { return m_folder; }
    int count() const { return int(m_entries.size()); }

    void setSelectedFile(const QString& fileName);
    QString selectedFile() const;
    int selectedIndex() const { return m_selected; }
    int hoveredIndex() const { return m_hovered; }

    // Where a thumbnail is drawn, in viewport coordinates, and what it shows.
    QRect cellRect(int index) const;
    CellState cellState(int index) const;
    int indexAt(QPoint viewportPos) const;
    int scrollOffset() const;
    int columnStride() const { return cellSize().width() + kGap; }

    ThumbnailMaker& thumbnails() { return m_maker; }

signals:
    // The user picked a thumbnail with the mouse or the keyboard.
    void selectFile(const QString& folder, const QString& fileName);
    // The selection changed for any reason the user gave (a right click too).
    void selectionChanged(const QString& fileName);
    // The right mouse button or the menu key: the album's menu, at this point.
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QSize cellSize() const;
    QSize imageBounds() const;
    ThumbnailSource source(int index) const;
    void layoutScrollBar();
    void requestThumbnails();
    void thumbnailReady(const QString& folder, const QString& fileName);
    void choose(int index, bool report);
    void ensureVisible(int index);
    void setHovered(int index);

    QString m_folder;
    QList<AlbumEntry> m_entries;
    int m_selected = -1;
    int m_hovered = -1;
    int m_wheelRest = 0;  // a high-resolution wheel's part of a notch
    ThumbnailMaker m_maker;
};

}  // namespace album
