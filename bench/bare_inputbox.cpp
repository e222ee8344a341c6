// The start-up yardstick: a Qt program that asks for one name and nothing else.
#include <QApplication>
#include <QInputDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QInputDialog::getText(nullptr, QStringLiteral("Bare input"),
                          QStringLiteral("Enter the name of Player 1:"), QLineEdit::Normal,
                          QStringLiteral("Player 1"));
    return 0;
}
