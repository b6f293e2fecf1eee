// The picture files, read byte by byte from their headers: the old 16-colour formats that
// the program and its installers rely on, and what Qt makes of them.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtTest>
#include <array>

namespace {

QByteArray ReadPicture(const QString& name) {
    QFile file(QStringLiteral(VELLUMARK_RESOURCES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

quint32 U8(const QByteArray& b, int at) {
    return static_cast<unsigned char>(b.at(at));
}
quint32 U16(const QByteArray& b, int at) {
    return U8(b, at) | (U8(b, at + 1) << 8);
}
quint32 U32(const QByteArray& b, int at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}
qint32 S32(const QByteArray& b, int at) {
    return static_cast<qint32>(U32(b, at));
}

// The standard 16-colour palette as 0xRRGGBB, in index order.
constexpr std::array<quint32, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kSilver = 7;
constexpr int kYellow = 11;

// The colour index of pixel (x, y) of a 4-bit DIB whose pixel rows start at `bits`.
int PixelIndex(const QByteArray& b, int bits, int width, int height, int x, int y) {
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    const quint32 byte = U8(b, bits + (height - 1 - y) * rowBytes + x / 2);
    return static_cast<int>(x % 2 == 0 ? byte >> 4 : byte & 15);
}

// Checks a BITMAPINFOHEADER and the palette after it; `height` is as the header gives it.
void CheckInfoHeader(const QByteArray& b, int at, int width, int height, int imageBytes) {
    QCOMPARE(U32(b, at), 40u);  // BITMAPINFOHEADER
    QCOMPARE(S32(b, at + 4), width);
    QCOMPARE(S32(b, at + 8), height);
    QCOMPARE(U16(b, at + 12), 1u);  // planes
    QCOMPARE(U16(b, at + 14), 4u);  // bits per pixel
    QCOMPARE(U32(b, at + 16), 0u);  // no compression
    QCOMPARE(U32(b, at + 20), static_cast<quint32>(imageBytes));
    QCOMPARE(U32(b, at + 32), 0u);  // colours used: all 16
    for (int i = 0; i < 16; ++i) {
        const int entry = at + 40 + 4 * i;  // blue, green, red, 0
        const quint32 rgb = (U8(b, entry + 2) << 16) | (U8(b, entry + 1) << 8) | U8(b, entry);
        QCOMPARE(rgb, kPalette[static_cast<std::size_t>(i)]);
        QCOMPARE(U8(b, entry + 3), 0u);
    }
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void buttonBitmaps_data();
    void buttonBitmaps();
    void programIcon();
    void handCursor();
    void themeIconsAreTheIconsImages_data();
    void themeIconsAreTheIconsImages();
};

void PicturesTest::buttonBitmaps_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("paste") << "paste.bmp";
    QTest::newRow("clear") << "clear.bmp";
    QTest::newRow("cut") << "cut.bmp";
    QTest::newRow("copy") << "copy.bmp";
}

void PicturesTest::buttonBitmaps() {
    QFETCH(QString, name);
    const QByteArray b = ReadPicture(name);
    QCOMPARE(b.size(), 246);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(U32(b, 2), 246u);
    QCOMPARE(U32(b, 10), 14u + 40u + 64u);  // the pixels follow header, info and palette
    CheckInfoHeader(b, 14, 16, 16, 128);

    // A picture on a silver background: silver round the edges, other colours inside.
    std::array<int, 16> counts{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ++counts[static_cast<std::size_t>(PixelIndex(b, 118, 16, 16, x, y))];
        }
    }
    int silverCorners = 0;
    for (const auto& [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) {
        silverCorners += PixelIndex(b, 118, 16, 16, x, y) == kSilver;
    }
    QVERIFY(silverCorners >= 1);
    QVERIFY(counts[kSilver] >= 32);
    QVERIFY(counts[kSilver] <= 256 - 32);

    const QImage image = QImage::fromData(b, "BMP");
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(image.colorCount(), 16);
}

void PicturesTest::programIcon() {
    const QByteArray b = ReadPicture(QStringLiteral("vellumark.ico"));
    QCOMPARE(b.size(), 1078);
    QCOMPARE(U16(b, 0), 0u);
    QCOMPARE(U16(b, 2), 1u);  // an icon
    QCOMPARE(U16(b, 4), 2u);  // two images

    struct Expected {
        int size;
        int bytes;
    };
    // 40 header + 64 palette + 4-bit pixels + a 1-bit mask with rows of 4 bytes.
    const Expected images[] = {{32, 40 + 64 + 512 + 128}, {16, 40 + 64 + 128 + 64}};
    int offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        const int size = images[i].size;
        QCOMPARE(static_cast<int>(U8(b, entry)), size);
        QCOMPARE(static_cast<int>(U8(b, entry + 1)), size);
        QCOMPARE(U8(b, entry + 2), 16u);  // colours
        QCOMPARE(U16(b, entry + 4), 1u);  // planes
        QCOMPARE(U16(b, entry + 6), 4u);  // bits per pixel
        QCOMPARE(static_cast<int>(U32(b, entry + 8)), images[i].bytes);
        QCOMPARE(static_cast<int>(U32(b, entry + 12)), offset);

        const int pixelBytes = size * size / 2;
        const int maskRow = 4;
        CheckInfoHeader(b, offset, size, size * 2, pixelBytes + size * maskRow);

        // A key: yellow pixels, and a mask with both see-through and solid pixels.
        const int bits = offset + 40 + 64;
        int yellow = 0;
        int clear = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                yellow += PixelIndex(b, bits, size, size, x, y) == kYellow;
                const int mask = bits + pixelBytes + (size - 1 - y) * maskRow + x / 8;
                clear += (U8(b, mask) >> (7 - x % 8)) & 1;
            }
        }
        QVERIFY2(yellow > size, "the key is yellow");
        QVERIFY(clear > 0);
        QVERIFY(clear < size * size);
        offset += images[i].bytes;
    }
    QCOMPARE(offset, 1078);
}

void PicturesTest::handCursor() {
    const QByteArray b = ReadPicture(QStringLiteral("hand.cur"));
    QCOMPARE(b.size(), 766);
    QCOMPARE(U16(b, 0), 0u);
    QCOMPARE(U16(b, 2), 2u);  // a cursor
    QCOMPARE(U16(b, 4), 1u);  // one image
    QCOMPARE(U8(b, 6), 32u);
    QCOMPARE(U8(b, 7), 32u);
    QCOMPARE(U8(b, 8), 16u);
    QCOMPARE(U16(b, 10), 5u);  // hot spot x
    QCOMPARE(U16(b, 12), 0u);  // hot spot y
    QCOMPARE(U32(b, 14), 744u);
    QCOMPARE(U32(b, 18), 22u);
    CheckInfoHeader(b, 22, 32, 64, 512 + 128);

    // The hot spot is on the hand: the mask bit of (5, 0) is solid.
    const int mask = 22 + 40 + 64 + 512 + (31 - 0) * 4 + 5 / 8;
    QCOMPARE((U8(b, mask) >> (7 - 5)) & 1u, 0u);
}

void PicturesTest::themeIconsAreTheIconsImages_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::newRow("32") << 0 << 32;
    QTest::newRow("16") << 1 << 16;
}

void PicturesTest::themeIconsAreTheIconsImages() {
    QFETCH(int, index);
    QFETCH(int, size);
    QImageReader reader(QStringLiteral(VELLUMARK_RESOURCES_DIR "/vellumark.ico"));
    QVERIFY(reader.jumpToImage(index));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage png =
        QImage(QStringLiteral(VELLUMARK_RESOURCES_DIR "/icons/vellumark-%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(size, size));
    QCOMPARE(icon.size(), png.size());
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = icon.pixel(x, y);
            const QRgb b = png.pixel(x, y);
            QCOMPARE(qAlpha(b), qAlpha(a));
            if (qAlpha(a) != 0) {
                QCOMPARE(b, a);
            }
        }
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
