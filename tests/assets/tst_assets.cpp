#include "pictureplaces.h"
#include "windowicon.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>
#include <QtTest>

// The pictures are opened the way the windows open them, from the resources
// linked into the executable, and checked against the formats the windows
// were laid out for: their sizes are the controls' sizes. The icon file, which
// the game does not carry, is opened from the source tree.
class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void loadsFromResources_data();
    void loadsFromResources();
    void headers_data();
    void headers();
    void pixels_data();
    void pixels();
    void content_data();
    void content();
};

namespace {

const QString assetsDir = QStringLiteral(QUADREL_ASSETS_DIR);

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 word(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 dword(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

qint32 signedDword(const QByteArray &data, int offset)
{
    return qFromLittleEndian<qint32>(data.constData() + offset);
}

QImage picture(const QString &name)
{
    const bool carried = !name.endsWith(QLatin1String(".ico"));
    return QImage(carried ? QStringLiteral(":/assets/") + name : assetsDir + QLatin1Char('/') + name);
}

} // namespace

void TestAssets::loadsFromResources_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("title") << "title.bmp" << PicturePlaces::title.size();
    QTest::newRow("banner") << "banner.bmp" << PicturePlaces::banner.size();
    QTest::newRow("title at double scale") << "title@2x.bmp" << 2 * PicturePlaces::title.size();
    QTest::newRow("banner at double scale") << "banner@2x.bmp" << 2 * PicturePlaces::banner.size();
    for (const WindowIcon::Picture &icon : WindowIcon::pictures) {
        const QString name = QString::fromLatin1(icon.file);
        QTest::newRow(qPrintable(name)) << name << QSize(icon.size, icon.size);
    }
}

void TestAssets::loadsFromResources()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    const QPixmap pixmap(QStringLiteral(":/assets/") + name);
    QVERIFY2(!pixmap.isNull(), qPrintable(name + " is not in the resources"));
    QCOMPARE(pixmap.size(), size);

    // A stale copy in the resources would hide a redrawn picture.
    const QByteArray committed = readAll(assetsDir + QLatin1Char('/') + name);
    QVERIFY(!committed.isEmpty());
    QCOMPARE(readAll(QStringLiteral(":/assets/") + name), committed);
}

void TestAssets::headers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("fileBytes");

    // Bitmap rows are padded to four bytes: 162 * 3 = 486 -> 488, 497 * 3 = 1491 -> 1492.
    QTest::newRow("title") << "title.bmp" << 162 << 82 << 24 << 54 + 488 * 82;
    QTest::newRow("banner") << "banner.bmp" << 497 << 57 << 24 << 54 + 1492 * 57;
    // 324 * 3 = 972, 994 * 3 = 2982 -> 2984.
    QTest::newRow("title at double scale") << "title@2x.bmp" << 324 << 164 << 24 << 54 + 972 * 164;
    QTest::newRow("banner at double scale")
            << "banner@2x.bmp" << 994 << 114 << 24 << 54 + 2984 * 114;
    // Directory, entry, header, 256-colour palette, pixels and the 1-bit mask.
    QTest::newRow("icon") << "quadrel.ico" << 32 << 32 << 8 << 6 + 16 + 40 + 1024 + 32 * 32 + 4 * 32;
}

void TestAssets::headers()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitCount);
    QFETCH(int, fileBytes);

    const QByteArray data = readAll(assetsDir + QLatin1Char('/') + name);
    QCOMPARE(data.size(), fileBytes);

    int info = 0;        // where the bitmap information header starts
    int storedHeight = height;
    int pixelBytes = 0;  // colour rows, plus the mask rows of an icon
    const int rowBytes = (width * bitCount / 8 + 3) & ~3;
    if (name.endsWith(QLatin1String(".bmp"))) {
        QCOMPARE(data.left(2), QByteArray("BM"));
        QCOMPARE(dword(data, 2), quint32(fileBytes));
        QCOMPARE(dword(data, 10), 54u);
        info = 14;
        pixelBytes = rowBytes * height;
        QCOMPARE(54 + pixelBytes, fileBytes);
    } else {
        QCOMPARE(word(data, 0), 0);  // reserved
        QCOMPARE(word(data, 2), 1);  // an icon, not a cursor
        QCOMPARE(word(data, 4), 1);  // one image
        QCOMPARE(quint8(data[6]), quint8(width));
        QCOMPARE(quint8(data[7]), quint8(height));
        QCOMPARE(quint8(data[8]), quint8(0)); // 0 stands for 256 colours
        QCOMPARE(word(data, 12), bitCount);
        QCOMPARE(dword(data, 14) + dword(data, 18), quint32(fileBytes));
        info = int(dword(data, 18));
        QCOMPARE(info, 22);
        storedHeight = 2 * height; // colour rows and mask rows
        pixelBytes = (rowBytes + 4) * height;
        QCOMPARE(40 + 256 * 4 + pixelBytes, fileBytes - info);
    }

    QCOMPARE(dword(data, info), 40u);
    QCOMPARE(signedDword(data, info + 4), width);
    QCOMPARE(signedDword(data, info + 8), storedHeight); // positive: bottom-up rows
    QCOMPARE(word(data, info + 12), 1);
    QCOMPARE(word(data, info + 14), bitCount);
    QCOMPARE(dword(data, info + 16), 0u); // uncompressed
    const quint32 sizeImage = dword(data, info + 20);
    QVERIFY(sizeImage == 0 || sizeImage == quint32(pixelBytes));
}

void TestAssets::pixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");

    const QColor black(0, 0, 0);
    const QColor grey(128, 128, 128);

    // The title's frame is part of the picture; the background starts inside it.
    QTest::newRow("title frame, top left") << "title.bmp" << QPoint(0, 0) << black;
    QTest::newRow("title frame, top right") << "title.bmp" << QPoint(161, 0) << black;
    QTest::newRow("title frame, bottom left") << "title.bmp" << QPoint(0, 81) << black;
    QTest::newRow("title frame, bottom right") << "title.bmp" << QPoint(161, 81) << black;
    QTest::newRow("title frame, top middle") << "title.bmp" << QPoint(80, 0) << black;
    QTest::newRow("title frame, bottom middle") << "title.bmp" << QPoint(80, 81) << black;
    QTest::newRow("title frame, left middle") << "title.bmp" << QPoint(0, 40) << black;
    QTest::newRow("title frame, right middle") << "title.bmp" << QPoint(161, 40) << black;
    QTest::newRow("title inside, top left") << "title.bmp" << QPoint(1, 1) << grey;
    QTest::newRow("title inside, top right") << "title.bmp" << QPoint(160, 1) << grey;
    QTest::newRow("title inside, bottom left") << "title.bmp" << QPoint(1, 80) << grey;
    QTest::newRow("title inside, bottom right") << "title.bmp" << QPoint(160, 80) << grey;

    // The banner has no frame: the dialog draws one around it.
    // At double scale the frame is two pixels wide.
    QTest::newRow("doubled title frame, outer") << "title@2x.bmp" << QPoint(0, 0) << black;
    QTest::newRow("doubled title frame, inner") << "title@2x.bmp" << QPoint(1, 1) << black;
    QTest::newRow("doubled title frame, bottom right") << "title@2x.bmp" << QPoint(322, 162) << black;
    QTest::newRow("doubled title inside") << "title@2x.bmp" << QPoint(2, 2) << grey;
    QTest::newRow("doubled banner, corner") << "banner@2x.bmp" << QPoint(993, 113) << grey;
    QTest::newRow("banner, top left") << "banner.bmp" << QPoint(0, 0) << grey;
    QTest::newRow("banner, top right") << "banner.bmp" << QPoint(496, 0) << grey;
    QTest::newRow("banner, bottom left") << "banner.bmp" << QPoint(0, 56) << grey;
    QTest::newRow("banner, bottom right") << "banner.bmp" << QPoint(496, 56) << grey;
    QTest::newRow("banner, left middle") << "banner.bmp" << QPoint(0, 28) << grey;
}

void TestAssets::pixels()
{
    QFETCH(QString, name);
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);

    const QImage image = picture(name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(point), colour);
}

void TestAssets::content_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("region");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("atLeast");

    // Chrome is bright highlights and dark horizons; the shadow is dark too.
    // The title's region leaves out its black frame.
    const QRect titleInside(1, 1, 160, 80);
    const QRect banner(0, 0, 497, 57);
    QTest::newRow("title highlights") << "title.bmp" << titleInside << "bright" << 200;
    QTest::newRow("title shadow and horizon") << "title.bmp" << titleInside << "dark" << 400;
    QTest::newRow("banner highlights") << "banner.bmp" << banner << "bright" << 400;
    QTest::newRow("banner shadow and horizon") << "banner.bmp" << banner << "dark" << 1000;

    const QRect icon(0, 0, 32, 32);
    QTest::newRow("icon iris") << "quadrel.ico" << icon << "green" << 60;
    QTest::newRow("icon white of the eye") << "quadrel.ico" << icon << "bright" << 20;
    QTest::newRow("icon pupil and lashes") << "quadrel.ico" << icon << "dark" << 40;
    QTest::newRow("icon skin, top left") << "quadrel.ico" << QRect(0, 0, 1, 1) << "grey" << 1;
    QTest::newRow("icon skin, bottom right") << "quadrel.ico" << QRect(31, 31, 1, 1) << "grey" << 1;
    QTest::newRow("icon png iris") << "quadrel.png" << icon << "green" << 60;
}

void TestAssets::content()
{
    QFETCH(QString, name);
    QFETCH(QRect, region);
    QFETCH(QString, kind);
    QFETCH(int, atLeast);

    const QImage image = picture(name);
    QVERIFY(!image.isNull());
    QVERIFY(image.rect().contains(region));

    const auto matches = [&kind](const QColor &c) {
        const int r = c.red(), g = c.green(), b = c.blue();
        if (kind == QLatin1String("bright"))
            return qMin(r, qMin(g, b)) >= 220;
        if (kind == QLatin1String("dark"))
            return qMax(r, qMax(g, b)) <= 70;
        if (kind == QLatin1String("green"))
            return g >= r + 60 && g >= b + 60;
        if (kind == QLatin1String("grey")) // neutral and neither black nor white
            return qMax(r, qMax(g, b)) - qMin(r, qMin(g, b)) <= 12 && g > 60 && g < 200;
        return false;
    };
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += matches(image.pixelColor(x, y));
    QVERIFY2(count >= atLeast,
             qPrintable(QStringLiteral("%1 %2 pixels, expected at least %3").arg(count).arg(kind).arg(atLeast)));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
