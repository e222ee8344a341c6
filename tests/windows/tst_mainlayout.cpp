// The board as built, before its load procedure runs: every control at its pixel place with
// its font and caption, the menus, the tab order, and what the window looks like.

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

#include <memory>

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
    void linesDrawn_data();
    void linesDrawn();
    void menus_data();
    void menus();
    void focusChain();
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry"); // pixels in the client area
    QTest::addColumn<QString>("family");  // empty: the control draws no text
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");

    const QString serif = QStringLiteral("Liberation Serif");
    const auto row = [](const char *name, const char *kind, const QString &caption,
                        const QRect &geometry, const QString &family = QString(),
                        double pointSize = 0, bool bold = false) {
        QTest::newRow(name) << QString::fromLatin1(kind) << caption << geometry << family
                            << pointSize << bold;
    };

    row("Image1", "image", QString(), QRect(40, 0, 162, 82));
    const char *boxes[] = { "TxtLet1(0)", "TxtLet1(1)", "TxtLet1(2)", "TxtLet1(3)" };
    const char *guessed[] = { "LblUser1(0)", "LblUser1(1)", "LblUser1(2)", "LblUser1(3)" };
    const char *marks[] = { "LblLet1(0)", "LblLet1(1)", "LblLet1(2)", "LblLet1(3)" };
    for (int i = 0; i < 4; ++i)
        row(boxes[i], "text box", QString(), QRect(24 + 32 * i, 88, 25, 25), serif, 12);
    row("CmdTry", "button", "Try!", QRect(152, 88, 65, 25), serif, 12);
    // The lines: one pixel drawn in the middle of three, at y 120 and 192.
    row("Line1", "line", QString(), QRect(24, 119, 192, 3));
    for (int i = 0; i < 4; ++i)
        row(guessed[i], "label", QString(), QRect(24 + 32 * i, 128, 25, 25), serif, 12);
    row("LblLast", "label", "Guess:", QRect(152, 128, 65, 25), serif, 12);
    for (int i = 0; i < 4; ++i)
        row(marks[i], "label", QString(), QRect(24 + 32 * i, 160, 25, 25), serif, 14.25);
    row("LblResult", "label", "Result:", QRect(152, 160, 65, 25), serif, 12);
    row("Line2", "line", QString(), QRect(24, 191, 192, 3));
    row("lblTime", "label", "0.00", QRect(24, 200, 121, 25), serif, 12);
    row("LblTimeTitle", "label", "Time:", QRect(152, 200, 65, 25), serif, 12);
    row("LblUsedWords", "label", "Used Words:", QRect(8, 232, 153, 25), serif, 12);
    row("LstUsed", "list box", QString(), QRect(8, 256, 153, 78), serif, 12);
    row("LblGuessTitle", "label", " Number of Guesses:", QRect(168, 232, 65, 57), serif, 9.75);
    row("LblGuess", "label", QString(), QRect(176, 288, 49, 25), serif, 9.75, true);
    row("LblCheat", "label", QString(), QRect(192, 312, 17, 17), serif, 8.25);
    row("Command1", "button", "E&xit", QRect(168, 328, 65, 25), serif, 12);
    row("Command2", "button", "Press Ctrl+N to start a New Game", QRect(8, 360, 225, 33), serif,
        12);
    row("Label1", "label", "This Game:", QRect(8, 400, 225, 89), serif, 12, true);
    row("Timer1", "timer", QString(), QRect());
}

void TestMainLayout::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);

    QObject *control = m_controls.value(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);

    if (kind == QLatin1String("timer")) {
        auto *timer = qobject_cast<QTimer *>(control);
        QVERIFY(timer);
        QVERIFY2(!timer->isActive(), "the game clock runs before any game");
        QCOMPARE(timer->interval(), 1);
        return;
    }

    auto *widget = qobject_cast<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isEnabled());
    QVERIFY(widget->isVisibleTo(m_window.get()));

    if (!family.isEmpty()) {
        const QFont font = widget->font();
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }

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
        if (label != m_window->LblCheat) {
            QCOMPARE(label->frameShape(), QFrame::Box);
            QCOMPARE(label->frameShadow(), QFrame::Plain);
            QCOMPARE(label->lineWidth(), 1);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(label->wordWrap());
        }
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
    } else if (kind == QLatin1String("line")) {
        auto *line = qobject_cast<QFrame *>(widget);
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(line->frameShadow(), QFrame::Plain);
        QCOMPARE(line->lineWidth(), 1);
    } else {
        QFAIL("unknown kind of control");
    }
}

void TestMainLayout::window()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quadrel"));
    showActive();

    // The client area is the central widget, right under the menu bar.
    const QWidget *client = m_window->centralWidget();
    QCOMPARE(client->size(), QSize(239, 498));
    QCOMPARE(client->y(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(m_window->width(), 239);
    QCOMPARE(m_window->height(), m_window->menuBar()->height() + 498);

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
    if (!showsSharpPicture(*m_window->Image1, QSize(162, 82), ":/assets/title@2x.bmp"))
        return;
    // What the control draws is the picture, pixel for pixel.
    const QImage shown = m_window->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, m_window->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestMainLayout::linesDrawn_data()
{
    QTest::addColumn<int>("y");

    QTest::newRow("Line1") << 120;
    QTest::newRow("Line2") << 192;
}

// One solid line at every scale: the device rows the line covers are ink from end to end,
// side by side, and no row beside them is touched.
void TestMainLayout::linesDrawn()
{
    QFETCH(int, y);

    // The whole window, menu bar included: below it the board may start between two pixels.
    showActive();
    const QImage board = m_window->grab().toImage();
    y += m_window->centralWidget()->y();
    const qreal scale = board.devicePixelRatio();
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const int left = qCeil(24 * scale);
    const int right = qFloor(216 * scale);
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

void TestMainLayout::focusChain()
{
    const QStringList expected{ "TxtLet1(0)", "TxtLet1(1)", "TxtLet1(2)", "TxtLet1(3)",
                                "CmdTry",     "Command2",   "LstUsed",    "Command1" };

    QHash<QObject *, QString> names;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        names.insert(it.value(), it.key());

    QStringList chain;
    QWidget *start = m_window->TxtLet1[0];
    QWidget *widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && widget->isVisibleTo(m_window.get()))
            chain.append(names.value(widget, widget->metaObject()->className()));
        widget = widget->nextInFocusChain();
    } while (widget != start && chain.size() <= expected.size());

    QCOMPARE(chain, expected);
}

void TestMainLayout::tabKeys_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("to");

    const QStringList order{ "TxtLet1(0)", "TxtLet1(1)", "TxtLet1(2)", "TxtLet1(3)",
                             "CmdTry",     "Command2",   "LstUsed",    "Command1" };
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QString &next = order.at((i + 1) % order.size());
        QTest::addRow("Tab from %s", qPrintable(order.at(i))) << order.at(i) << false << next;
        QTest::addRow("Shift+Tab from %s", qPrintable(next)) << next << true << order.at(i);
    }
}

void TestMainLayout::tabKeys()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);

    showActive();
    QWidget *start = namedWidget(m_controls, from);
    start->setFocus();
    QCOMPARE(QApplication::focusWidget(), start);

    if (backwards)
        QTest::keyClick(start, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::keyClick(start, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), namedWidget(m_controls, to));
}

void TestMainLayout::labelLooks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("background"); // "menu", "inactive" or "none"

    for (const char *name : { "LblUser1(0)", "LblUser1(3)", "LblLast", "LblLet1(0)",
                              "LblLet1(3)", "LblResult", "LblUsedWords", "LblGuessTitle",
                              "LblGuess", "Label1" })
        QTest::newRow(name) << QString::fromLatin1(name) << "menu";
    QTest::newRow("lblTime") << "lblTime" << "inactive";
    QTest::newRow("LblTimeTitle") << "LblTimeTitle" << "inactive";
    QTest::newRow("LblCheat") << "LblCheat" << "none";
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
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption"); // as the game sets it
    QTest::addColumn<bool>("wraps");

    QTest::newRow("Guess:") << "LblLast" << "Guess:" << false;
    QTest::newRow("Result:") << "LblResult" << "Result:" << false;
    QTest::newRow("Time:") << "LblTimeTitle" << "Time:" << false;
    QTest::newRow("clock") << "lblTime" << "86399.99" << false;
    QTest::newRow("Used Words:") << "LblUsedWords" << "Used Words:" << false;
    QTest::newRow(" Number of Guesses:") << "LblGuessTitle" << " Number of Guesses:" << true;
    QTest::newRow("guess count") << "LblGuess" << "9999" << false;
    QTest::newRow("mark") << "LblLet1(0)" << "O" << false;
    QTest::newRow("roles") << "Label1" << "This Game:\n\nAnn chooses;\nBob guesses." << false;
}

// A caption stays inside its bordered box: it wraps only at spaces, and every line fits.
void TestMainLayout::captionsFit()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(bool, wraps);

    auto *box = namedWidget<QLabel>(m_controls, label);
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
