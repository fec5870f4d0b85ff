#include "printing/LineBreaking.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBoundaryFinder>

namespace {

// One unit a character of Latin text, two for anything wider; a surrogate pair counts once.
qreal cells(QStringView text)
{
    qreal width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isLowSurrogate() || c.category() == QChar::Mark_NonSpacing)
            continue;
        width += c.unicode() < 0x0300 ? 1 : 2;
    }
    return width;
}

// How many characters of the text lie in [from, to), counted in the whole text (where one
// ends can depend on its neighbours); -1 when `to` is not between two characters.
int charactersIn(const QString &text, qsizetype from, qsizetype to)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(from);
    int count = 0;
    for (qsizetype at = from; at < to; ++count) {
        at = finder.toNextBoundary();
        if (at == -1 || at > to)
            return -1;
    }
    return count;
}

} // namespace

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
        const QStringList pieces = breakLine(text, width, cells);
        QCOMPARE(pieces.join(QString()), text);
        qsizetype at = 0;
        for (const QString &piece : pieces) {
            const int characters = charactersIn(text, at, at + piece.size());
            QVERIFY2(!piece.isEmpty() || text.isEmpty(), qPrintable(text));
            QVERIFY2(characters >= 0, qPrintable(piece + u'|' + text));
            QVERIFY2(cells(piece) <= width || characters == 1, qPrintable(piece + u'|' + text));
            at += piece.size();
        }
    }
}

QTEST_APPLESS_MAIN(TestLineBreaking)
#include "tst_linebreaking.moc"
