// libFuzzer target: for any text and width, the pieces join back to the text and none is
// wider than the width unless it is a single character.
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

bool isOneCharacter(const QString &piece)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, piece);
    return finder.toNextBoundary() == piece.size();
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
    for (const QString &piece : pieces) {
        if ((piece.isEmpty() && !text.isEmpty()) || (cells(piece) > width && !isOneCharacter(piece)))
            std::abort();
    }
    return 0;
}
