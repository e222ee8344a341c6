// Under Wine, Qt's offscreen platform sees only the fonts of the folder wine-run gives it, the
// stand-ins, and none of Windows' own, which the windows ask for. The suites map each face to
// the stand-in Wine's own font mapper gives (tests/wine/prefix), which has its measures, so
// that captions and stars are measured as on Windows.
#include <QCoreApplication>
#include <QFont>

static void standInForWindowsFonts()
{
    QFont::insertSubstitution(QStringLiteral(QUADREL_SERIF_FACE), QStringLiteral(QUADREL_SERIF_STAND_IN));
    QFont::insertSubstitution(QStringLiteral(QUADREL_SANS_FACE), QStringLiteral(QUADREL_SANS_STAND_IN));
}
Q_COREAPP_STARTUP_FUNCTION(standInForWindowsFonts)
