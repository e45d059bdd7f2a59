#include "png.h"
#include "test_main.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <cstdint>
#include <vector>

using namespace quorvel::platform;

// The PNG files the desktop writes, read back by a strict decoder.
class TestPng : public QObject {
    Q_OBJECT

private slots:
    void pngIsReadByAStrictDecoder();
};

// libpng, behind QImage, refuses a file whose chunk checksums are wrong. The
// picture has flat colour, a gradient that only the Paeth and Average filters
// predict well, and one odd last pixel, so that every filter is exercised and
// a filter that mispredicts shows as a wrong colour.
void TestPng::pngIsReadByAStrictDecoder() {
    constexpr int Width = 350, Height = 200;
    std::vector<std::uint32_t> pixels(Width * Height, 0x00FFC0C0u);
    for (int y = 100; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            pixels[y * Width + x] = std::uint32_t((x + y) % 256) << 16 |
                                    std::uint32_t(x % 256) << 8 | std::uint32_t(y % 256);
    pixels[0] = 0x000000CCu;
    pixels[Width * Height - 1] = 0x00020304u;
    const std::vector<std::uint8_t> png = EncodePng(pixels.data(), Width, Height);
    QImage image;
    QVERIFY(image.loadFromData(png.data(), int(png.size()), "PNG"));
    QCOMPARE(image.size(), QSize(Width, Height));
    QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 204));
    QCOMPARE(image.pixelColor(1, 0), QColor(255, 192, 192));
    QCOMPARE(image.pixelColor(17, 150), QColor(167, 17, 150));
    QCOMPARE(image.pixelColor(300, 199), QColor((300 + 199) % 256, 300 % 256, 199));
    QCOMPARE(image.pixelColor(Width - 1, Height - 1), QColor(2, 3, 4));

    // No bigger than half as much again as libpng at zlib's level 6 makes it.
    QByteArray reference;
    QBuffer buffer(&reference);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG"));
    QVERIFY2(png.size() <= std::size_t(reference.size()) * 3 / 2,
             qPrintable(QString("%1 bytes against %2").arg(png.size()).arg(reference.size())));
    QVERIFY(png.size() < std::size_t(Width * Height)); // stored, it would be 3 bytes a pixel
}

QUORVEL_UNIT_MAIN(TestPng)
#include "tst_png.moc"
