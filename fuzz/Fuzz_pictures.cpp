// Train pictures, door frames and album pictures as the program opens them:
// any bytes decode to a picture or to nothing.

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app)
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // As the album asks for a thumbnail: a small size, whatever the picture claims.
    reader.setScaledSize(QSize(120, 90));
    reader.setAllocationLimit(64);
    reader.read();
    return 0;
}
