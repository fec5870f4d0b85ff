// libFuzzer target: for any text and width, the pieces join back to the text, each ends
// between two characters of the text, and none is wider than the width unless it is a
// single character. Characters are counted in the whole text: where one ends can depend on
// its neighbours.
#include "printing/LineBreaking.h"

#include <QTextBoundaryFinder>

#include <cstdint>
#include <cstdlib>

namespace {

qreal cells(QStringView text)
{
    qreal width = 0;
    for (const QChar c : text)
        width += c.isLowSurrogate() ? 0 : c.unicode() < 0x0300 ? 1 : 2;
    return width;
}

// How many characters of the text lie in [from, to), or -1 when `to` is not between two.
int charactersIn(const QString &text, qsizetype from, qsizetype to)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(from);
    int count = 0;
    qsizetype at = from;
    while (at < to) {
        at = finder.toNextBoundary();
        if (at == -1)
            return -1;
        ++count;
    }
    return at == to ? count : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qreal width = data[0] % 40;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QStringList pieces = breakLine(text, width, cells);
    if (pieces.join(QString()) != text)
        std::abort();
    qsizetype at = 0;
    for (const QString &piece : pieces) {
        const int characters = charactersIn(text, at, at + piece.size());
        if ((piece.isEmpty() && !text.isEmpty()) || characters < 0 || (cells(piece) > width && characters > 1))
            std::abort();
        at += piece.size();
    }
    return 0;
}
