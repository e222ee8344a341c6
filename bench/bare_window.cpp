// The memory yardstick: what the game must show before a game can run, and no more. It asks
// for a name in an input box, then shows a main window of the board's size.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QInputDialog::getText(nullptr, QStringLiteral("Bare input"),
                          QStringLiteral("Enter the name of Player 1:"), QLineEdit::Normal,
                          QStringLiteral("Player 1"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *board = new QLabel(QStringLiteral("A label"));
    board->setFixedSize(239, 498);
    window.setCentralWidget(board);
    window.show();
    return app.exec();
}
