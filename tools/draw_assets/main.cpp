// Draws the title picture, the word entry banner and the program icon into
// the assets folder (or the folder given as the only argument).

#include "chromelettering.h"
#include "eyeicon.h"
#include "icowriter.h"
#include "palette.h"
#include "pictureplaces.h"
#include "themeicon.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// 96 dots per inch, the resolution the pictures are laid out for.
constexpr int dotsPerMeter = 3780;

// A picture drawn at `scale` device pixels per pixel keeps the layout's size in inches.
bool saveBitmap(QImage image, const QString &fileName, int scale = 1)
{
    image.setDotsPerMeterX(scale * dotsPerMeter);
    image.setDotsPerMeterY(scale * dotsPerMeter);
    // An opaque 32-bit image is written as a 24-bit uncompressed bitmap.
    return image.save(fileName, "BMP");
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
    const ChromeLettering title{QStringLiteral("Quadrel"), narrow, true};
    const ChromeLettering banner{QStringLiteral("Word Entry Station"), font, false};
    const QSize titleSize = PicturePlaces::title.size();
    const QSize bannerSize = PicturePlaces::banner.size();

    // The program's own icon is indexed to 256 colours, as an icon file and a PNG; every other
    // size is drawn at it.
    const QImage eye = drawEyeIcon(QUADREL_PROGRAM_ICON_SIZE);
    const QImage icon = eye.convertToFormat(QImage::Format_Indexed8, medianCutPalette(eye, 256));

    // Writes one file of the folder, and says so when it cannot.
    int status = 0;
    const auto write = [&](const char *name, const auto &save) {
        const QString fileName = out.filePath(QString::fromLatin1(name));
        if (!save(fileName)) {
            err << "could not write " << fileName << '\n';
            status = 1;
        }
    };
    write("title.bmp", [&](const QString &f) { return saveBitmap(title.draw(titleSize), f); });
    write("banner.bmp", [&](const QString &f) { return saveBitmap(banner.draw(bannerSize), f); });
    // Twice the size, for screens scaled by two: Qt picks them by their @2x names.
    write("title@2x.bmp", [&](const QString &f) { return saveBitmap(title.draw(titleSize, 2), f, 2); });
    write("banner@2x.bmp", [&](const QString &f) { return saveBitmap(banner.draw(bannerSize, 2), f, 2); });
    write("quadrel.ico", [&](const QString &f) { return writeIndexedIcon(icon, f); });
    write("quadrel.svg", writeEyeSvg);
    for (const ThemeIcon::Picture &picture : ThemeIcon::pictures) {
        const QImage image = picture.size == QUADREL_PROGRAM_ICON_SIZE ? icon : drawEyeIcon(picture.size);
        write(picture.file, [&](const QString &f) { return image.save(f, "PNG"); });
    }
    return status;
}
