// Times one wrong guess, from "Try!" until the board has painted it, with 10, 1,000 and
// 10,000 earlier guesses in the list. Prints "qt <version>", then one line per list length:
// "<guesses listed> <median microseconds>".
#include "dialogs.h"
#include "frmgetword.h"
#include "rurovivoze.h"

#include <QApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int samples = 101;
const QString secret = QStringLiteral("book");
// Consecutive guesses differ in every box, so each one repaints the guess and mark rows.
const QStringList guesses = { QStringLiteral("oops"), QStringLiteral("bark"),
                              QStringLiteral("kobo"), QStringLiteral("look"),
                              QStringLiteral("boot"), QStringLiteral("hook"),
                              QStringLiteral("bonk"), QStringLiteral("pool") };

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "bench_guess: %s\n", qPrintable(why));
    std::exit(1);
}

// Names the players; any other box means the game refused a guess, which would spoil
// the figure.
class Answers : public Dialogs
{
public:
    int messageBox(const QString &prompt, Buttons, const QString &) override
    {
        fail(QStringLiteral("unexpected message box: ") + prompt);
    }
    QString inputBox(const QString &, const QString &title, const QString &) override
    {
        return title;
    }
};

// Counts what it takes to bring a guess to the screen: layout requests, the list's
// delayed item layout (a timer), update requests and paints.
class WorkCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::LayoutRequest:
        case QEvent::Timer:
        case QEvent::UpdateRequest:
        case QEvent::Paint:
            ++count;
            break;
        default:
            break;
        }
        return false;
    }
};

// Runs the event loop until a pass finds nothing more to lay out or paint.
void settle(const WorkCounter &work)
{
    int before = 0;
    do {
        before = work.count;
        QCoreApplication::processEvents();
    } while (work.count != before);
}

void fillBoxes(rurOvivoze &board, const QString &guess)
{
    for (int i = 0; i < 4; ++i)
        board.TxtLet1[i]->setText(guess.mid(i, 1));
    for (int i = 0; i < 4; ++i) {
        if (board.TxtLet1[i]->text() != guess.mid(i, 1))
            fail(QStringLiteral("box %1 did not keep its letter").arg(i + 1));
    }
}

int listed(const rurOvivoze &board)
{
    return board.LstUsed->count() - 1; // the empty row every game starts with
}

void listGuesses(rurOvivoze &board, const WorkCounter &work, int count)
{
    for (int i = listed(board); i < count; ++i) {
        fillBoxes(board, guesses.at(i % guesses.size()));
        board.CmdTry_Click();
    }
    settle(work);
}

double timeOneGuess(rurOvivoze &board, const WorkCounter &work, const QString &guess)
{
    const int before = listed(board);
    fillBoxes(board, guess);
    settle(work);

    QElapsedTimer timer;
    timer.start();
    board.CmdTry_Click();
    settle(work);
    const double micros = timer.nsecsElapsed() / 1e3;

    if (listed(board) != before + 1 || !board.LstUsed->item(0)->text().startsWith(guess.toUpper()))
        fail(QStringLiteral("the guess %1 was not listed").arg(guess));
    // Untimed: the list goes back to its length, and the count to what it showed.
    delete board.LstUsed->takeItem(0);
    board.LblGuess->setText(QString::number(listed(board)));
    settle(work);
    return micros;
}

// Resident memory of this process in KiB, from /proc.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Answers answers;
    Dialogs::install(&answers);
    WorkCounter work;
    app.installEventFilter(&work);

    // A game as the players start it: names, New Game, the chooser's word.
    rurOvivoze board;
    board.Form_Load();
    board.show();
    board.mnuNew_Click();
    frmGetWord &dialog = board.getWordDialog();
    dialog.Text1->setText(secret);
    dialog.cmdDone_Click();
    if (board.word.value() != secret || !board.isVisible())
        fail(QStringLiteral("the game did not start"));
    // The clock's ticks would land inside the timed spans at random.
    board.Timer1->stop();
    QElapsedTimer exposed;
    exposed.start();
    while (exposed.elapsed() < 300)
        settle(work);

    std::printf("qt %s\n", qVersion());
    for (const int count : { 10, 1000, 10000 }) {
        listGuesses(board, work, count);
        // Soak: what the listed rows cost in memory, against the 10-row board.
        std::printf("rss %d %ld\n", count, residentKiB());
        for (int i = 0; i < 5; ++i)
            timeOneGuess(board, work, guesses.at(i % guesses.size()));
        std::vector<double> times;
        for (int i = 0; i < samples; ++i)
            times.push_back(timeOneGuess(board, work, guesses.at(i % guesses.size())));
        std::printf("%d %.1f\n", count, median(times));
        std::fflush(stdout);
    }
    return 0;
}
