#include "LineBreakingCheck.h"
#include "printing/LineBreaking.h"

#include <QRandomGenerator>
#include <QTest>

class TestLineBreaking final : public QObject {
    Q_OBJECT

private slots:
    void pieces_data();
    void pieces();
    void anyTextAnyWidth();
};

void TestLineBreaking::pieces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("fits") << "价格:5元" << 20.0 << QStringList{"价格:5元"};
    QTest::newRow("empty line") << "" << 10.0 << QStringList{""};
    QTest::newRow("one blank") << " " << 10.0 << QStringList{" "};
    QTest::newRow("Chinese breaks between characters") << "抵用餐劵当日盖章有效" << 8.0
                                                      << QStringList{"抵用餐劵", "当日盖章", "有效"};
    QTest::newRow("Latin breaks after the last blank") << "pay at the counter" << 9.0
                                                      << QStringList{"pay at ", "the ", "counter"};
    QTest::newRow("a word longer than the line is cut") << "abcdefghij kl" << 4.0
                                                       << QStringList{"abcd", "efgh", "ij ", "kl"};
    QTest::newRow("blanks kept as typed") << "a    b" << 3.0 << QStringList{"a  ", "  b"};
    QTest::newRow("character wider than the line stands alone") << "名称" << 1.0 << QStringList{"名", "称"};
    QTest::newRow("emoji is never split") << "a😀b😀" << 3.0 << QStringList{"a😀", "b😀"};
    QTest::newRow("combining mark stays with its letter") << "e\u0301e\u0301e\u0301" << 2.0
                                                          << QStringList{"e\u0301e\u0301", "e\u0301"};
}

void TestLineBreaking::pieces()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(QStringList, expected);
    QCOMPARE(breakLine(text, width, cells), expected);
}

void TestLineBreaking::anyTextAnyWidth()
{
    const QList<char32_t> alphabet{U'a', U'Z', U'7', U' ', U'\t', U'.', U'名', U'元', U'😀', U'\u0301', U'\u05D0', U'\u200F'};
    QRandomGenerator random(20261211);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = random.bounded(60);
        for (int i = 0; i < length; ++i) {
            const char32_t c = alphabet[random.bounded(alphabet.size())];
            text += QString::fromUcs4(&c, 1);
        }
        const qreal width = random.bounded(12);
        const QString fault = piecesFault(text, width, breakLine(text, width, cells));
        QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral(" in \"%1\" at width %2").arg(text).arg(width)));
    }
}

QTEST_APPLESS_MAIN(TestLineBreaking)
#include "tst_linebreaking.moc"
