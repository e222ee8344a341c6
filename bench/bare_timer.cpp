// The clock yardstick: a 1 ms timer that shows the elapsed seconds with two decimals.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("0.00"));
    label.setWindowTitle(QStringLiteral("Bare timer"));
    label.resize(240, 60);
    // Described as the game's clock is, so that a listener tells it from other labels.
    label.setAccessibleDescription(QStringLiteral("Time"));

    QElapsedTimer elapsed;
    elapsed.start();
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, &label, [&] {
        label.setText(QString::number(elapsed.nsecsElapsed() / 1e9, 'f', 2));
    });
    timer.start();
    label.show();
    return app.exec();
}
