// 24-bit BMP writing and the header check used by pack and check.
#include "tools/bmp_writer.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

using namespace korven;

namespace {

quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

QByteArray savedAs(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class TestBmpWriter : public QObject {
    Q_OBJECT

private slots:
    void writesExactBottomUpPaddedRows_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("colour") << QImage::Format_RGB888;
        QTest::newRow("grey") << QImage::Format_Grayscale8;
        QTest::newRow("other") << QImage::Format_ARGB32;
    }

    void writesExactBottomUpPaddedRows()
    {
        QFETCH(QImage::Format, format);
        // 3 x 2: rows of 9 bytes padded to 12, so padding and row order both show.
        QImage image(3, 2, QImage::Format_RGB888);
        const QRgb colours[2][3] = {{qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(255, 255, 255)},
                                    {qRgb(70, 80, 90), qRgb(0, 0, 0), qRgb(200, 100, 1)}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y, format == QImage::Format_Grayscale8 ? qRgb(x * 50 + y, x * 50 + y, x * 50 + y)
                                                                          : colours[y][x]);
        const QImage source = image.convertToFormat(format);
        const QByteArray bmp = encodeBmp24(source);

        QCOMPARE(bmp.size(), 54 + 2 * 12);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(u32(bmp, 2), quint32(bmp.size()));
        QCOMPARE(u32(bmp, 10), 54u);
        QCOMPARE(u32(bmp, 14), 40u);
        QCOMPARE(u32(bmp, 18), 3u);
        QCOMPARE(u32(bmp, 22), 2u);
        QCOMPARE(u16(bmp, 26), quint16(1));
        QCOMPARE(u16(bmp, 28), quint16(24));
        QCOMPARE(u32(bmp, 30), 0u);
        QVERIFY(bmp24Fault(bmp, bmp.size()).isEmpty());

        // The first stored row is the bottom one, blue first; padding bytes are zero.
        const QRgb bottomLeft = source.pixel(0, 1);
        QCOMPARE(quint8(bmp[54]), quint8(qBlue(bottomLeft)));
        QCOMPARE(quint8(bmp[56]), quint8(qRed(bottomLeft)));
        QCOMPARE(bmp.mid(54 + 9, 3), QByteArray(3, '\0'));

        QImage back;
        QVERIFY(back.loadFromData(bmp, "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB888), source.convertToFormat(QImage::Format_RGB888));
    }

    void faultsNameWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QImage colour(5, 4, QImage::Format_RGB888);
        colour.fill(Qt::gray);
        const QByteArray good = encodeBmp24(colour);
        QImage indexed(5, 4, QImage::Format_Indexed8);
        QList<QRgb> palette;
        for (int i = 0; i < 256; ++i)
            palette << qRgb(i, i, i);
        indexed.setColorTable(palette);
        indexed.fill(1);
        QByteArray compressed = good;
        qToLittleEndian<quint32>(1, compressed.data() + 30);

        QTest::newRow("8-bit") << savedAs(indexed, "BMP") << "8 bits per pixel";
        QTest::newRow("png") << savedAs(colour, "PNG") << "not a BMP";
        QTest::newRow("cut short") << good.left(good.size() - 1) << "cut short";
        QTest::newRow("header only") << good.left(30) << "header cut short";
        QTest::newRow("compressed") << compressed << "compressed";
        // Extreme declared sizes are refused without overflowing the size arithmetic.
        auto declaring = [&](qint32 width, qint32 height) {
            QByteArray bytes = good;
            qToLittleEndian<qint32>(width, bytes.data() + 18);
            qToLittleEndian<qint32>(height, bytes.data() + 22);
            return bytes;
        };
        QTest::newRow("widest and tallest") << declaring(INT32_MAX, INT32_MIN) << "too large";
        QTest::newRow("tallest top-down") << declaring(1, INT32_MIN) << "too large";
        QTest::newRow("7000 x 4000") << declaring(7000, 4000) << "too large";
        QTest::newRow("negative width") << declaring(INT32_MIN, 5) << "invalid size";
    }

    void faultsNameWhatIsWrong()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString fault = bmp24Fault(bytes.left(54), bytes.size());
        QVERIFY2(fault.contains(expected), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(TestBmpWriter)
#include "test_bmp_writer.moc"
