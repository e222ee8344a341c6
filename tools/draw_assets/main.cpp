// Draws the title picture, the word entry banner and the program icon into
// the assets folder (or the folder given as the only argument).

#include "chromelettering.h"
#include "eyeicon.h"
#include "icowriter.h"
#include "palette.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// 96 dots per inch, the resolution the pictures are laid out for.
constexpr int dotsPerMeter = 3780;

bool saveBitmap(QImage image, const QString &fileName)
{
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    // An opaque 32-bit image is written as a 24-bit uncompressed bitmap.
    return image.save(fileName, "BMP");
}

// One size of the desktop's icon set, drawn at that size rather than scaled.
bool saveEyeIcon(const QDir &out, int size)
{
    return drawEyeIcon(size).save(out.filePath(QStringLiteral("quadrel-%1.png").arg(size)), "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const QDir out(args.size() > 1 ? args.at(1) : QStringLiteral(QUADREL_ASSETS_DIR));

    // The lettering depends on this exact face; a silent fallback would
    // change every committed picture.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    const QFontInfo info(font);
    if (info.family() != font.family() || !info.bold() || !info.italic()) {
        err << "Liberation Serif Bold Italic is not installed (package fonts-liberation)\n";
        return 1;
    }

    // The title is short and tall, so its letters are narrowed to grow taller.
    QFont narrow = font;
    narrow.setStretch(84);
    const QImage title = ChromeLettering{QStringLiteral("Quadrel"), narrow, true}.draw(QSize(162, 82));
    const QImage banner = ChromeLettering{QStringLiteral("Word Entry Station"), font, false}.draw(QSize(497, 57));

    const QImage eye = drawEyeIcon(32);
    const QImage icon = eye.convertToFormat(QImage::Format_Indexed8, medianCutPalette(eye, 256));

    const struct {
        const char *name;
        bool saved;
    } results[] = {
        {"title.bmp", saveBitmap(title, out.filePath(QStringLiteral("title.bmp")))},
        {"banner.bmp", saveBitmap(banner, out.filePath(QStringLiteral("banner.bmp")))},
        {"quadrel.ico", writeIndexedIcon(icon, out.filePath(QStringLiteral("quadrel.ico")))},
        {"quadrel.png", icon.save(out.filePath(QStringLiteral("quadrel.png")), "PNG")},
        {"quadrel-256.png", drawEyeIcon(256).save(out.filePath(QStringLiteral("quadrel-256.png")), "PNG")},
        {"quadrel-16.png", saveEyeIcon(out, 16)},
        {"quadrel-24.png", saveEyeIcon(out, 24)},
        {"quadrel-48.png", saveEyeIcon(out, 48)},
        {"quadrel-64.png", saveEyeIcon(out, 64)},
        {"quadrel-128.png", saveEyeIcon(out, 128)},
        {"quadrel-512.png", saveEyeIcon(out, 512)},
        {"quadrel.svg", writeEyeSvg(out.filePath(QStringLiteral("quadrel.svg")))},
    };
    int status = 0;
    for (const auto &result : results) {
        if (!result.saved) {
            err << "could not write " << out.filePath(QString::fromLatin1(result.name)) << '\n';
            status = 1;
        }
    }

    // Twice the size, for screens scaled by two: Qt picks them by their @2x names.
    const struct {
        const char *name;
        QImage picture;
    } doubled[] = {
        {"title@2x.bmp", ChromeLettering{QStringLiteral("Quadrel"), narrow, true}.draw(QSize(162, 82), 2)},
        {"banner@2x.bmp", ChromeLettering{QStringLiteral("Word Entry Station"), font, false}.draw(QSize(497, 57), 2)},
    };
    for (const auto &[name, picture] : doubled) {
        const QString fileName = out.filePath(QString::fromLatin1(name));
        QImage bitmap = picture;
        bitmap.setDotsPerMeterX(2 * dotsPerMeter);
        bitmap.setDotsPerMeterY(2 * dotsPerMeter);
        if (!bitmap.save(fileName, "BMP")) {
            err << "could not write " << fileName << '\n';
            status = 1;
        }
    }
    return status;
}
