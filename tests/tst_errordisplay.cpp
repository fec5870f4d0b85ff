#include "ui/ErrorDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

class TestErrorDisplay final : public QObject {
    Q_OBJECT

private slots:
    void fullStop_data();
    void fullStop();
    void box();
    void guardShowsFailureAndCarriesOn();
    void programTitleRule_data();
    void programTitleRule();
};

void TestErrorDisplay::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ends in a full stop") << "Printing in progress." << "Printing in progress.";
    QTest::newRow("ends in '!' (sorts before '.')") << "Stop!" << "Stop!";
    QTest::newRow("ends in a letter") << "Printing in progress" << "Printing in progress.";
    QTest::newRow("ends in a digit") << "Code: 5" << "Code: 5.";
    QTest::newRow("ends in a CJK character") << "打印失败" << "打印失败.";
    QTest::newRow("ends in a quote (sorts before '.')") << "Destination \"X\"" << "Destination \"X\"";
    QTest::newRow("ends in a line break") << "two\n" << "two\n";
    QTest::newRow("empty") << "" << "";
}

void TestErrorDisplay::fullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(displayedMessage(message), shown);
}

void TestErrorDisplay::box()
{
    std::unique_ptr<QMessageBox> box(makeErrorBox(QStringLiteral("There is no default printer currently selected")));
    QCOMPARE(box->text(), QStringLiteral("There is no default printer currently selected."));
    QCOMPARE(box->windowTitle(), programTitle());
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
}

void TestErrorDisplay::guardShowsFailureAndCarriesOn()
{
    QString shownText, shownTitle;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            shownTitle = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);

    guarded([] { throw std::runtime_error("Printer selected is not valid"); });

    QCOMPARE(shownText, QStringLiteral("Printer selected is not valid."));
    QCOMPARE(shownTitle, QStringLiteral("tst_errordisplay"));
}

void TestErrorDisplay::programTitleRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "/usr/bin/Mavlo" << "Mavlo";
    QTest::newRow("upper case after the first") << "/opt/MAVLO" << "Mavlo";
    QTest::newRow("first letter kept as it is") << "mAVLO" << "mavlo";
    QTest::newRow("cut at the first full stop") << "/x/Mavlo.Portable.exe" << "Mavlo";
    QTest::newRow("no folder") << "Kantine" << "Kantine";
    QTest::newRow("leading full stop") << "/x/.hidden" << "";
}

void TestErrorDisplay::programTitleRule()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(programTitle(path), title);
}

QTEST_MAIN(TestErrorDisplay)
#include "tst_errordisplay.moc"
