// The toolkit's floor for the benchmarks: a bare Qt Widgets window of the program's size with
// four line edits. With --clock, one of them is set to the time once a second.
#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(510, 462);
    QLineEdit *edits[4];
    for (int i = 0; i < 4; ++i) {
        edits[i] = new QLineEdit(&window);
        edits[i]->setGeometry(120, 80 + 64 * i, 273, 32);
    }
    QTimer clock;
    if (app.arguments().contains(QStringLiteral("--clock"))) {
        QObject::connect(&clock, &QTimer::timeout, [&] {
            edits[2]->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        });
        clock.start(1000);
    }
    window.show();
    return QApplication::exec();
}
