// The board as built, before its load procedure runs: every control at its designed place
// with its font and caption, none over another, the menus, the tab order, and what the window
// looks like.

#include "controlnames.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <memory>

namespace {

// The board as designed, in twips: each control's left, top, width and height in the client
// area; a line's is the line itself, without height. Fonts are Liberation Serif.
struct Design
{
    const char *control;
    const char *kind;
    QRect twips;
    const char *caption = "";
    double pointSize = 0; // 0: the control draws no text
    bool bold = false;
};

const QSize clientTwips(3585, 7470);
const Design board[] = {
    { "Image1", "image", { 600, 0, 2430, 1230 } },
    { "TxtLet1(0)", "text box", { 360, 1320, 375, 375 }, "", 12 },
    { "TxtLet1(1)", "text box", { 840, 1320, 375, 375 }, "", 12 },
    { "TxtLet1(2)", "text box", { 1320, 1320, 375, 375 }, "", 12 },
    { "TxtLet1(3)", "text box", { 1800, 1320, 375, 375 }, "", 12 },
    { "CmdTry", "button", { 2280, 1320, 975, 375 }, "Try!", 12 },
    { "Line1", "line", { 360, 1800, 2880, 0 } },
    { "LblUser1(0)", "label", { 360, 1920, 375, 375 }, "", 12 },
    { "LblUser1(1)", "label", { 840, 1920, 375, 375 }, "", 12 },
    { "LblUser1(2)", "label", { 1320, 1920, 375, 375 }, "", 12 },
    { "LblUser1(3)", "label", { 1800, 1920, 375, 375 }, "", 12 },
    { "LblLast", "label", { 2280, 1920, 975, 375 }, "Guess:", 12 },
    { "LblLet1(0)", "label", { 360, 2400, 375, 375 }, "", 14.25 },
    { "LblLet1(1)", "label", { 840, 2400, 375, 375 }, "", 14.25 },
    { "LblLet1(2)", "label", { 1320, 2400, 375, 375 }, "", 14.25 },
    { "LblLet1(3)", "label", { 1800, 2400, 375, 375 }, "", 14.25 },
    { "LblResult", "label", { 2280, 2400, 975, 375 }, "Result:", 12 },
    { "Line2", "line", { 360, 2880, 2880, 0 } },
    { "lblTime", "label", { 360, 3000, 1815, 375 }, "0.00", 12 },
    { "LblTimeTitle", "label", { 2280, 3000, 975, 375 }, "Time:", 12 },
    { "LblUsedWords", "label", { 120, 3480, 2295, 375 }, "Used Words:", 12 },
    { "LstUsed", "list box", { 120, 3840, 2295, 1170 }, "", 12 },
    { "LblGuessTitle", "label", { 2520, 3480, 975, 855 }, " Number of Guesses:", 9.75 },
    { "LblGuess", "label", { 2640, 4320, 735, 375 }, "", 9.75, true },
    { "LblCheat", "label", { 2880, 4680, 255, 255 }, "", 8.25 },
    { "Command1", "button", { 2520, 4920, 975, 375 }, "E&xit", 12 },
    { "Command2", "button", { 120, 5400, 3375, 495 }, "Press Ctrl+N to start a New Game", 12 },
    { "Label1", "label", { 120, 6000, 3375, 1335 }, "This Game:", 12, true },
};

const Design &designOf(const char *control)
{
    return *std::find_if(std::begin(board), std::end(board),
                         [control](const Design &d) { return qstrcmp(d.control, control) == 0; });
}

} // namespace

class TestMainLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void window();
    void titlePicture();
    void nothingOverlaps();
    void linesDrawn_data();
    void linesDrawn();
    void menus_data();
    void menus();
    void tabKeys_data();
    void tabKeys();
    void labelLooks_data();
    void labelLooks();
    void labelsShowPlainText_data();
    void labelsShowPlainText();
    void captionsFit_data();
    void captionsFit();
    void accessibility_data();
    void accessibility();

private:
    void showActive();

    std::unique_ptr<rurOvivoze> m_window;
    QHash<QString, QObject *> m_controls;
};

void TestMainLayout::init()
{
    m_window = std::make_unique<rurOvivoze>();
    m_controls = boardControls(*m_window);
}

void TestMainLayout::cleanup()
{
    m_controls.clear();
    m_window.reset();
}

void TestMainLayout::showActive()
{
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainLayout::controls_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(board)); ++row)
        QTest::newRow(board[row].control) << row;
}

void TestMainLayout::controls()
{
    QFETCH(int, row);
    const Design &design = board[row];
    const QString kind = QString::fromLatin1(design.kind);
    const QString caption = QString::fromUtf8(design.caption);

    auto *widget = namedWidget(m_controls, QString::fromLatin1(design.control));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    if (kind == QLatin1String("line")) {
        // One pixel drawn in the middle of three (linesDrawn).
        const QRect line = pixels(design.twips);
        QCOMPARE(widget->x(), line.x());
        QCOMPARE(widget->width(), line.width());
        QCOMPARE(widget->geometry().center().y(), line.y());
    } else {
        QCOMPARE(widget->geometry(), pixels(design.twips));
    }
    QVERIFY(widget->isEnabled());
    QVERIFY(widget->isVisibleTo(m_window.get()));
    if (design.pointSize > 0)
        QVERIFY(hasFont(*widget, QStringLiteral("Liberation Serif"), design.pointSize, design.bold));

    if (kind == QLatin1String("text box")) {
        auto *box = qobject_cast<QLineEdit *>(widget);
        QVERIFY(box);
        QCOMPARE(box->text(), caption);
        // What keeps a box to one letter is the game, not a limit or a mask.
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
        QVERIFY(box->maxLength() >= 32767);
        QVERIFY(!box->isReadOnly());
    } else if (kind == QLatin1String("label")) {
        auto *label = qobject_cast<QLabel *>(widget);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
    } else if (kind == QLatin1String("button")) {
        auto *button = qobject_cast<QPushButton *>(widget);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
    } else if (kind == QLatin1String("list box")) {
        auto *list = qobject_cast<QListWidget *>(widget);
        QVERIFY(list);
        QCOMPARE(list->count(), 0);
        QVERIFY(!list->isSortingEnabled());
    } else if (kind == QLatin1String("image")) {
        auto *image = qobject_cast<QLabel *>(widget);
        QVERIFY(image);
        QVERIFY(!image->pixmap().isNull());
    } else {
        QVERIFY(kind == QLatin1String("line")); // drawn as linesDrawn checks
    }
}

void TestMainLayout::window()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quadrel"));
    QVERIFY2(!m_window->Timer1->isActive(), "the game clock runs before any game");
    QCOMPARE(m_window->Timer1->interval(), 1);
    showActive();

    // The client area is the central widget, right under the menu bar.
    const QWidget *client = m_window->centralWidget();
    const QSize clientSize = pixels(QRect(QPoint(), clientTwips)).size();
    QCOMPARE(client->size(), clientSize);
    QCOMPARE(client->y(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_window->size(), clientSize + QSize(0, m_window->menuBar()->height()));

    const QSize size = m_window->size();
    QCOMPARE(m_window->minimumSize(), size);
    QCOMPARE(m_window->maximumSize(), size);
    m_window->resize(size + QSize(100, 100));
    QCOMPARE(m_window->size(), size);
    m_window->resize(size - QSize(50, 50));
    QCOMPARE(m_window->size(), size);

    const QRect screen = m_window->screen()->availableGeometry();
    const QPoint offset = m_window->frameGeometry().center() - screen.center();
    // A few pixels of frame, added by the window system after placing, are forgiven.
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3,
             "the window is not centred on the screen");
}

void TestMainLayout::titlePicture()
{
    if (!showsSharpPicture(*m_window->Image1, pixels(designOf("Image1").twips).size(),
                           ":/assets/title@2x.bmp"))
        return;
    // What the control draws is the picture, pixel for pixel.
    const QImage shown = m_window->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, m_window->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32));
}

// Every control lies on the board and none over another, but a bordered control's bottom edge
// may lie under the control below it.
void TestMainLayout::nothingOverlaps()
{
    const QRect client = m_window->centralWidget()->rect();
    for (const Design &one : board) {
        const QRect place = namedWidget(m_controls, one.control)->geometry();
        QVERIFY2(client.contains(place), one.control);
        for (const Design *other = &one + 1; other != std::end(board); ++other) {
            const QRect otherPlace = namedWidget(m_controls, other->control)->geometry();
            QVERIFY2(!place.adjusted(0, 0, 0, -1).intersects(otherPlace.adjusted(0, 0, 0, -1)),
                     qPrintable(QStringLiteral("%1 over %2").arg(one.control, other->control)));
        }
    }
}

void TestMainLayout::linesDrawn_data()
{
    QTest::addColumn<QRect>("line");

    for (const char *line : { "Line1", "Line2" })
        QTest::newRow(line) << pixels(designOf(line).twips);
}

// One solid line at every scale: the device rows the line covers are ink from end to end,
// side by side, and no row beside them is touched.
void TestMainLayout::linesDrawn()
{
    QFETCH(QRect, line);

    // The whole window, menu bar included: below it the board may start between two pixels.
    showActive();
    const QImage board = m_window->grab().toImage();
    const int y = line.y() + m_window->centralWidget()->y();
    const qreal scale = board.devicePixelRatio();
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const int left = qCeil(line.left() * scale);
    const int right = qFloor((line.right() + 1) * scale);
    QList<int> solidRows;
    for (int row = qFloor(y * scale) - 3; row <= qCeil((y + 1) * scale) + 3; ++row) {
        int inked = 0;
        for (int x = left; x < right; ++x)
            inked += board.pixelColor(x, row) == ink;
        if (inked == right - left)
            solidRows.append(row);
        else
            QVERIFY2(inked == 0, qPrintable(QStringLiteral("row %1 is partly drawn").arg(row)));
    }
    QVERIFY2(!solidRows.isEmpty(), "no line");
    QCOMPARE(solidRows.last() - solidRows.first() + 1, solidRows.size()); // one line, not two
    QVERIFY(solidRows.size() <= qCeil(scale));
}

void TestMainLayout::menus_data()
{
    QTest::addColumn<QString>("menu"); // empty: a menu of the bar itself
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    QTest::newRow("MnuFile") << QString() << 0 << "&File" << QKeySequence();
    QTest::newRow("mnuNew") << "MnuFile" << 0 << "&New Game" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("MnuSep") << "MnuFile" << 1 << QString() << QKeySequence();
    QTest::newRow("mnuExit") << "MnuFile" << 2 << "E&xit" << QKeySequence(Qt::CTRL | Qt::Key_X);
    QTest::newRow("MnuHelp") << QString() << 1 << "&Help" << QKeySequence();
    QTest::newRow("mnuHow") << "MnuHelp" << 0 << "&How to Play Quadrel"
                            << QKeySequence(Qt::CTRL | Qt::Key_H);
    QTest::newRow("mnuAbout") << "MnuHelp" << 1 << "&About Quadrel"
                              << QKeySequence(Qt::CTRL | Qt::Key_A);
}

void TestMainLayout::menus()
{
    QFETCH(QString, menu);
    QFETCH(int, place);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    const QHash<QString, QAction *> actions{
        { QStringLiteral("MnuFile"), m_window->MnuFile->menuAction() },
        { QStringLiteral("mnuNew"), m_window->mnuNew },
        { QStringLiteral("MnuSep"), m_window->MnuSep },
        { QStringLiteral("mnuExit"), m_window->mnuExit },
        { QStringLiteral("MnuHelp"), m_window->MnuHelp->menuAction() },
        { QStringLiteral("mnuHow"), m_window->mnuHow },
        { QStringLiteral("mnuAbout"), m_window->mnuAbout },
    };
    QAction *action = actions.value(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(action);

    const QList<QAction *> siblings = menu.isEmpty() ? m_window->menuBar()->actions()
            : menu == QLatin1String("MnuFile")       ? m_window->MnuFile->actions()
                                                     : m_window->MnuHelp->actions();
    QCOMPARE(siblings.size(), menu.isEmpty() ? 2 : menu == QLatin1String("MnuFile") ? 3 : 2);
    QCOMPARE(siblings.indexOf(action), place);

    QCOMPARE(action->isSeparator(), caption.isEmpty());
    if (!caption.isEmpty())
        QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    // A shortcut of the window works whichever control has the focus.
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QVERIFY(action->isEnabled());
    QVERIFY(action->isVisible());
}

void TestMainLayout::tabKeys_data()
{
    tabRows({ "TxtLet1(0)", "TxtLet1(1)", "TxtLet1(2)", "TxtLet1(3)", "CmdTry", "Command2",
              "LstUsed", "Command1" });
}

void TestMainLayout::tabKeys()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);

    showActive();
    QCOMPARE(focusAfterTab(namedWidget(m_controls, from), backwards), namedWidget(m_controls, to));
}

void TestMainLayout::labelLooks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("background"); // "menu", "inactive" or "none"

    const QStringList inactive{ "lblTime", "LblTimeTitle" };
    for (const Design &design : board) {
        const QString label = QString::fromLatin1(design.control);
        if (qstrcmp(design.kind, "label") == 0)
            QTest::newRow(design.control) << label
                    << (label == "LblCheat" ? "none" : inactive.contains(label) ? "inactive" : "menu");
    }
}

// The bordered labels share the list's menu background, the two time labels a shade of
// their own; the reveal spot draws nothing at all on the board.
void TestMainLayout::labelLooks()
{
    QFETCH(QString, label);
    QFETCH(QString, background);

    auto *shown = namedWidget<QLabel>(m_controls, label);
    QVERIFY(shown);
    const QImage board = m_window->centralWidget()->grab().toImage();
    const QRect place = shown->geometry();
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const QColor menu = board.pixelColor(m_window->LstUsed->geometry().bottomLeft()
                                         + QPoint(10, -10));
    const QColor inactive = board.pixelColor(m_window->lblTime->geometry().topLeft()
                                             + QPoint(3, 3));
    QVERIFY2(menu != inactive, "the time labels look like the others");

    if (background == QLatin1String("none")) {
        shown->hide();
        const QImage bare = m_window->centralWidget()->grab().toImage();
        QCOMPARE(board.copy(place), bare.copy(place));
        return;
    }
    // The bottom edge may lie under the control below it.
    for (const QPoint &edge : { place.topLeft(), place.topRight(),
                                QPoint(place.left(), place.center().y()),
                                QPoint(place.right(), place.center().y()) })
        QCOMPARE(board.pixelColor(edge), ink);
    QCOMPARE(board.pixelColor(place.topLeft() + QPoint(3, 3)),
             background == QLatin1String("menu") ? menu : inactive);
}

void TestMainLayout::labelsShowPlainText_data()
{
    QTest::addColumn<QString>("label");

    for (const char *name : { "LblUser1(0)", "LblUser1(1)", "LblUser1(2)", "LblUser1(3)",
                              "LblLast", "LblLet1(0)", "LblLet1(1)", "LblLet1(2)",
                              "LblLet1(3)", "LblResult", "lblTime", "LblTimeTitle",
                              "LblUsedWords", "LblGuessTitle", "LblGuess", "Label1" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Names and guesses end up in labels; none of their characters may turn into formatting.
void TestMainLayout::labelsShowPlainText()
{
    QFETCH(QString, label);

    auto *shown = namedWidget<QLabel>(m_controls, label);
    QVERIFY(shown);
    const auto look = [shown](const QString &caption) {
        shown->setText(caption);
        return shown->grab().toImage();
    };
    // As markup both would draw the same "W".
    QVERIFY2(look(QStringLiteral("<i></i>W")) != look(QStringLiteral("<b></b>W")),
             "markup in a caption is rendered");
    // As an access key marker a lone "&" would draw nothing.
    QVERIFY2(look(QStringLiteral("&")) != look(QString()), "\"&\" is not shown");
}

void TestMainLayout::captionsFit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption"); // as the game sets it
    QTest::addColumn<bool>("wraps");

    QTest::newRow("Try!") << "CmdTry" << "Try!" << false;
    QTest::newRow("Exit") << "Command1" << "E&xit" << false;
    QTest::newRow("New Game") << "Command2" << "Press Ctrl+N to start a New Game" << false;
    QTest::newRow("Guess:") << "LblLast" << "Guess:" << false;
    QTest::newRow("Result:") << "LblResult" << "Result:" << false;
    QTest::newRow("Time:") << "LblTimeTitle" << "Time:" << false;
    QTest::newRow("clock") << "lblTime" << "86399.99" << false;
    QTest::newRow("Used Words:") << "LblUsedWords" << "Used Words:" << false;
    QTest::newRow(" Number of Guesses:") << "LblGuessTitle" << " Number of Guesses:" << true;
    QTest::newRow("guess count") << "LblGuess" << "9999" << false;
    QTest::newRow("letter") << "LblUser1(0)" << "W" << false;
    QTest::newRow("mark") << "LblLet1(0)" << "O" << false;
    QTest::newRow("roles") << "Label1" << "This Game:\n\nAnn chooses;\nBob guesses." << false;
}

// A caption stays inside its bordered box: it wraps only at spaces, and every line fits. A
// button's caption fits on one line.
void TestMainLayout::captionsFit()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(bool, wraps);

    if (auto *button = namedWidget<QPushButton>(m_controls, control)) {
        button->setText(caption);
        QVERIFY(captionFits(*button));
        return;
    }
    auto *box = namedWidget<QLabel>(m_controls, control);
    QVERIFY(box);
    box->setText(caption);
    QVERIFY(box->wordWrap());
    QVERIFY(box->alignment() & Qt::AlignHCenter);

    const QRect inside = box->contentsRect();
    const QFontMetrics metrics(box->font());
    for (const QString &word : caption.split(QRegularExpression(QStringLiteral("[ \n]")),
                                             Qt::SkipEmptyParts))
        QVERIFY2(metrics.horizontalAdvance(word) <= inside.width(), qPrintable(word));

    const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap | Qt::AlignHCenter,
                                              caption);
    QVERIFY2(needed.height() <= inside.height(), "the caption runs out of its box");
    const int oneLine = metrics.boundingRect(inside, Qt::AlignHCenter, QStringLiteral("W")).height();
    QCOMPARE(needed.height() > oneLine, wraps || caption.contains(u'\n'));
}

void TestMainLayout::accessibility_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("ownName"); // a name no other control shares, whatever it reads
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accelerator");

    const int edit = QAccessible::EditableText;
    const int text = QAccessible::StaticText;
    const int push = QAccessible::Button;
    const auto row = [](const QString &control, int role, bool ownName, const QString &name,
                        const QString &accelerator = QString()) {
        QTest::newRow(qPrintable(control)) << control << role << ownName << name << accelerator;
    };
    for (int i = 0; i < 4; ++i)
        row(QStringLiteral("TxtLet1(%1)").arg(i), edit, true, QString());
    // A label is read out as it is shown: its caption is its name.
    for (const char *name : { "LblUser1(0)", "LblUser1(3)", "LblLet1(0)", "LblLet1(3)",
                              "LblGuess", "LblCheat" })
        row(QString::fromLatin1(name), text, false, QString());
    row("LblLast", text, false, "Guess:");
    row("LblResult", text, false, "Result:");
    // The clock tells assistive technology its time apart from the caption, at most once a
    // second while it runs (e2e_listen hears it).
    row("lblTime", text, true, QString());
    row("LblTimeTitle", text, false, "Time:");
    row("LblUsedWords", text, false, "Used Words:");
    row("LblGuessTitle", text, false, " Number of Guesses:");
    row("Label1", text, false, "This Game:");
    row("LstUsed", QAccessible::List, true, QString());
    row("CmdTry", push, false, "Try!");
    row("Command1", push, false, "Exit", "Alt+X");
    row("Command2", push, false, "Press Ctrl+N to start a New Game");
}

void TestMainLayout::accessibility()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(bool, ownName);
    QFETCH(QString, name);
    QFETCH(QString, accelerator);

    QWidget *widget = namedWidget(m_controls, control);
    QVERIFY(widget);
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(access);
    QCOMPARE(int(access->role()), role);
    QVERIFY2(!access->text(QAccessible::Description).isEmpty(), "no description");
    if (role != QAccessible::List) // a list reads out its name here
        QCOMPARE(access->text(QAccessible::Accelerator).toUpper(), accelerator.toUpper());

    const QString given = access->text(QAccessible::Name);
    if (!ownName) {
        QCOMPARE(given, name);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(QStringLiteral("Ann chooses;"));
            QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Ann chooses;"));
        }
        return;
    }
    QVERIFY2(!given.isEmpty(), "no name");
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        auto *other = qobject_cast<QWidget *>(it.value());
        if (other && other != widget) {
            QAccessibleInterface *otherAccess = QAccessible::queryAccessibleInterface(other);
            QVERIFY2(!otherAccess || otherAccess->text(QAccessible::Name) != given,
                     qPrintable("the same name as " + it.key()));
        }
    }
}

QTEST_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
