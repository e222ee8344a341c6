// Under Wine, Qt's offscreen platform sees only the fonts of the folder wine-run gives it, the
// Liberation fonts, and none of Windows' own; the windows ask for Times New Roman and Arial.
// The suites give them the stand-ins Wine's own font mapper gives (tests/wine/prefix), which
// have Windows' fonts' measures, so that captions and stars are measured as on Windows.
#include <QCoreApplication>
#include <QFont>

static void standInForWindowsFonts()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
Q_COREAPP_STARTUP_FUNCTION(standInForWindowsFonts)
