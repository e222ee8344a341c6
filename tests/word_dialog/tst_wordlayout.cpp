// The word entry dialog as built: a borderless strip with the banner on top and the masked
// entry, its prompt and the two buttons below, each at its designed place with its font.

#include "contrast.h"
#include "controlnames.h"
#include "shownstars.h"
#include "text.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QtMath>

#include <memory>

namespace {

// The dialog as designed, in twips: each control's left, top, width and height in its parent.
// Fonts are bold.
struct Design
{
    const char *control;
    const char *parent;
    QRect twips;
    const char *family = ""; // empty: draws no text
    double pointSize = 0;
};

const QSize dialogTwips(7470, 1455);
const Design designed[] = {
    { "Picture1", "dialog", { 0, 0, 7455, 855 } },
    { "Shape1", "Picture1", { 0, 0, 7455, 855 } },
    { "ShpBorder", "dialog", { 0, 840, 7455, 615 } },
    { "LblWord", "dialog", { 120, 1020, 4740, 375 }, "Liberation Sans", 9.75 },
    { "Text1", "dialog", { 4920, 945, 600, 405 }, "Liberation Sans", 12 },
    { "cmdDone", "dialog", { 5610, 960, 855, 375 }, "Liberation Serif", 12 },
    { "cmdQuit", "dialog", { 6555, 960, 855, 375 }, "Liberation Serif", 12 },
};

} // namespace

class TestWordLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void dialog();
    void banner();
    void entryRowInsideBorder();
    void shapesFrameWithoutFilling_data();
    void shapesFrameWithoutFilling();
    void prompt_data();
    void prompt();
    void entryIsMasked_data();
    void entryIsMasked();
    void copyingTheEntryRevealsNothing();
    void buttons();
    void accessibility_data();
    void accessibility();
    void tabKeys_data();
    void tabKeys();

private:
    void showActive();

    std::unique_ptr<rurOvivoze> m_window;
    frmGetWord *m_dialog = nullptr;
    QHash<QString, QObject *> m_controls;
};

void TestWordLayout::init()
{
    m_window = std::make_unique<rurOvivoze>();
    m_window->Play1 = QStringLiteral("Ann");
    m_dialog = &m_window->getWordDialog();
    m_controls = wordDialogControls(*m_dialog);
}

void TestWordLayout::cleanup()
{
    m_controls.clear();
    m_dialog = nullptr;
    m_window.reset();
}

void TestWordLayout::showActive()
{
    m_dialog->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
}

void TestWordLayout::controls_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(designed)); ++row)
        QTest::newRow(designed[row].control) << row;
}

void TestWordLayout::controls()
{
    QFETCH(int, row);
    const Design &design = designed[row];

    QWidget *widget = namedWidget(m_controls, QString::fromLatin1(design.control));
    QVERIFY(widget);
    QWidget *expectedParent = qstrcmp(design.parent, "dialog") == 0
            ? static_cast<QWidget *>(m_dialog)
            : namedWidget(m_controls, QString::fromLatin1(design.parent));
    QCOMPARE(widget->parentWidget(), expectedParent);
    QCOMPARE(widget->geometry(), pixels(design.twips));
    QVERIFY(widget->isEnabled());
    QVERIFY(widget->isVisibleTo(m_dialog));
    if (design.pointSize > 0)
        QVERIFY(hasFont(*widget, QString::fromLatin1(design.family), design.pointSize, true));
}

void TestWordLayout::dialog()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Quadrel"));
    QVERIFY(m_dialog->isWindow());
    QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY2(!m_dialog->parentWidget(), "the dialog stays when the board is hidden");
    showActive();

    // No frame: the client area is the whole window.
    const QSize size = pixels(QRect(QPoint(), dialogTwips)).size();
    QCOMPARE(m_dialog->size(), size);
    QCOMPARE(m_dialog->frameGeometry(), m_dialog->geometry());
    QCOMPARE(m_dialog->minimumSize(), size);
    QCOMPARE(m_dialog->maximumSize(), size);
    m_dialog->resize(600, 200);
    QCOMPARE(m_dialog->size(), size);

    const QRect screen = m_dialog->screen()->availableGeometry();
    const QPoint offset = m_dialog->geometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             "the dialog is not centred on the screen");
}

// Drawn at its natural size from the top-left corner; only the one-pixel frame of Shape1
// lies over its edge.
void TestWordLayout::banner()
{
    if (!showsSharpPicture(*m_dialog->Picture1, pixels(designed[0].twips).size(),
                           ":/assets/banner@2x.bmp"))
        return;
    const QImage expected =
            m_dialog->Picture1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shown = m_dialog->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), expected.size());
    const int frame = int(m_dialog->devicePixelRatioF()); // Shape1's outline lies over the edge
    const QRect inside = expected.rect().adjusted(frame, frame, -frame, -frame);
    QCOMPARE(shown.copy(inside), expected.copy(inside));
}

// The prompt, the entry and the buttons lie inside the border, clear of its frame, and none
// over another.
void TestWordLayout::entryRowInsideBorder()
{
    const QRect inside = m_dialog->ShpBorder->geometry().adjusted(1, 1, -1, -1);
    const QList<QWidget *> row{ m_dialog->LblWord, m_dialog->Text1, m_dialog->cmdDone,
                                m_dialog->cmdQuit };
    for (qsizetype i = 0; i < row.size(); ++i) {
        QVERIFY(inside.contains(row.at(i)->geometry()));
        for (qsizetype j = i + 1; j < row.size(); ++j)
            QVERIFY(!row.at(i)->geometry().intersects(row.at(j)->geometry()));
    }
}

void TestWordLayout::shapesFrameWithoutFilling_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("Shape1") << "Shape1";
    QTest::newRow("ShpBorder") << "ShpBorder";
}

void TestWordLayout::shapesFrameWithoutFilling()
{
    QFETCH(QString, shape);
    auto *frame = namedWidget<QFrame>(m_controls, shape);
    QVERIFY(frame);
    const QRect outline(frame->mapTo(m_dialog, QPoint()), frame->size());
    const QPoint inside = outline.topLeft() + QPoint(3, 4); // that the shape must not paint
    const QImage with = m_dialog->grab().toImage();
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    for (const QPoint &corner : { outline.topLeft(), outline.topRight(), outline.bottomLeft(),
                                  outline.bottomRight(),
                                  QPoint(outline.center().x(), outline.top()),
                                  QPoint(outline.center().x(), outline.bottom()),
                                  QPoint(outline.left(), outline.center().y()),
                                  QPoint(outline.right(), outline.center().y()) })
        QCOMPARE(with.pixelColor(corner), ink);

    frame->hide();
    const QImage without = m_dialog->grab().toImage();
    frame->show();
    QCOMPARE(with.pixelColor(inside), without.pixelColor(inside));
}

void TestWordLayout::prompt_data()
{
    QTest::addColumn<bool>("dark");

    QTest::newRow("theme as installed") << false;
    QTest::newRow("dark theme") << true;
}

void TestWordLayout::prompt()
{
    QFETCH(bool, dark);

    const QPalette installed = QApplication::palette();
    if (dark) {
        // What a dark theme hands every application: light text on dark faces.
        QPalette night(QColor(53, 53, 53), QColor(45, 45, 45));
        night.setColor(QPalette::WindowText, QColor(238, 238, 236));
        night.setColor(QPalette::Text, QColor(238, 238, 236));
        night.setColor(QPalette::ButtonText, QColor(238, 238, 236));
        QApplication::setPalette(night);
        cleanup();
        init();
    }
    const auto restore = qScopeGuard([&] { QApplication::setPalette(installed); });

    QLabel *prompt = m_dialog->LblWord;
    QCOMPARE(prompt->text(), QStringLiteral("Ann, enter a four-letter word:"));
    QCOMPARE(prompt->textFormat(), Qt::PlainText);
    QVERIFY(prompt->alignment() & Qt::AlignRight);
    QCOMPARE(prompt->frameShape(), QFrame::NoFrame);

    // Right-aligned on light grey: the left end is bare background, the text ends near the
    // right edge, just left of the entry, and reads at 4.5:1 or better.
    const QImage shown = prompt->grab().toImage();
    const QColor grey(192, 192, 192);
    QCOMPARE(shown.pixelColor(2, 2), grey);
    QCOMPARE(shown.pixelColor(2, shown.height() / 2), grey);
    int rightmostInk = -1;
    qreal contrast = 1;
    for (int x = 0; x < shown.width(); ++x) {
        for (int y = 0; y < shown.height(); ++y) {
            if (shown.pixelColor(x, y) != grey) {
                rightmostInk = x;
                contrast = qMax(contrast, Contrast::ratio(shown.pixelColor(x, y), grey));
            }
        }
    }
    QVERIFY2(rightmostInk >= shown.width() - 6, "the prompt does not end at the right edge");
    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("the prompt reads at %1:1").arg(contrast)));
}

void TestWordLayout::entryIsMasked_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("letters") << "word";
    QTest::newRow("spaces included") << " a b";
    QTest::newRow("accented") << "\u00E9t\u00E9s";
    QTest::newRow("combining accent") << "e\u0301t\u00E9s";
    QTest::newRow("emoji with a skin tone") << "\U0001F44D\U0001F3FDabc";
}

void TestWordLayout::entryIsMasked()
{
    QFETCH(QString, typed);

    showActive();
    QLineEdit *entry = m_dialog->Text1;
    QCOMPARE(entry->text(), QString());
    QCOMPARE(QApplication::focusWidget(), entry);
    for (const QString &character : Text::graphemes(typed))
        QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, character, Qt::NoModifier);

    QCOMPARE(entry->text(), typed);
    QCOMPARE(entry->echoMode(), QLineEdit::Password);
    QCOMPARE(shownStars(entry), 4);

    // The caret steps over a whole character, and Backspace takes one.
    QTest::keyClick(entry, Qt::Key_Home);
    QTest::keyClick(entry, Qt::Key_Right);
    QTest::keyClick(entry, Qt::Key_Backspace);
    QCOMPARE(entry->text(), Text::graphemes(typed).mid(1).join(QString()));
    QCOMPARE(shownStars(entry), 3);
}

void TestWordLayout::copyingTheEntryRevealsNothing()
{
    showActive();
    QLineEdit *entry = m_dialog->Text1;
    QTest::keyClicks(entry, QStringLiteral("word"));
    QApplication::clipboard()->setText(QStringLiteral("on the clipboard"));
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(entry, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("on the clipboard"));
    QCOMPARE(entry->text(), QStringLiteral("word"));
}

void TestWordLayout::buttons()
{
    QCOMPARE(m_dialog->cmdDone->text(), QStringLiteral("&Done"));
    QCOMPARE(m_dialog->cmdQuit->text(), QStringLiteral("&Quit"));
    QVERIFY(m_dialog->cmdDone->isDefault());
    QVERIFY(!m_dialog->cmdQuit->isDefault());
    QVERIFY(captionFits(*m_dialog->cmdDone));
    QVERIFY(captionFits(*m_dialog->cmdQuit));
}

void TestWordLayout::accessibility_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name"); // empty: any name but the word
    QTest::addColumn<QString>("accelerator");

    QTest::newRow("LblWord") << "LblWord" << int(QAccessible::StaticText)
                             << "Ann, enter a four-letter word:" << "";
    QTest::newRow("Text1") << "Text1" << int(QAccessible::EditableText) << "" << "";
    // The default button is announced with Enter rather than its access key.
    QTest::newRow("cmdDone") << "cmdDone" << int(QAccessible::Button) << "Done" << "Enter";
    QTest::newRow("cmdQuit") << "cmdQuit" << int(QAccessible::Button) << "Quit" << "Alt+Q";
}

// A screen reader hears the prompt and the buttons, never the secret word.
void TestWordLayout::accessibility()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, accelerator);

    showActive();
    const QString secret = QStringLiteral("qzjx");
    QTest::keyClicks(m_dialog->Text1, secret);
    QAccessibleInterface *access =
            QAccessible::queryAccessibleInterface(namedWidget(m_controls, control));
    QVERIFY(access);
    QCOMPARE(int(access->role()), role);
    QCOMPARE(access->text(QAccessible::Accelerator).toUpper(), accelerator.toUpper());
    if (name.isEmpty())
        QVERIFY(!access->text(QAccessible::Name).isEmpty());
    else
        QCOMPARE(access->text(QAccessible::Name), name);

    for (QAccessible::Text kind : { QAccessible::Name, QAccessible::Description,
                                    QAccessible::Value, QAccessible::Help })
        QVERIFY(!access->text(kind).contains(secret, Qt::CaseInsensitive));
    if (QAccessibleTextInterface *text = access->textInterface())
        QVERIFY(!text->text(0, text->characterCount()).contains(secret, Qt::CaseInsensitive));
}

void TestWordLayout::tabKeys_data()
{
    tabRows({ "Text1", "cmdDone", "cmdQuit" });
}

void TestWordLayout::tabKeys()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);

    showActive();
    QCOMPARE(QApplication::focusWidget(), m_dialog->Text1); // first in the tab order
    QCOMPARE(focusAfterTab(namedWidget(m_controls, from), backwards), namedWidget(m_controls, to));
}

QTEST_MAIN(TestWordLayout)
#include "tst_wordlayout.moc"
