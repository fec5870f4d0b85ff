#pragma once

// What must hold of breakLine's pieces for any text and width, shared by the property test
// and the fuzzer.

#include <QString>
#include <QStringList>
#include <QTextBoundaryFinder>

// One cell a Latin character, two anything wider; surrogate halves after the first and
// non-spacing marks take none.
inline qreal cells(QStringView text)
{
    qreal width = 0;
    for (const QChar c : text) {
        if (c.isLowSurrogate() || c.category() == QChar::Mark_NonSpacing)
            continue;
        width += c.unicode() < 0x0300 ? 1 : 2;
    }
    return width;
}

// Empty when the pieces join back to the text, each ends between two characters, and none is
// wider than the width unless it is a single character; otherwise what is wrong. Characters
// are counted in the whole text: whether a mark joins the one before it can depend on the
// text around them.
inline QString piecesFault(const QString &text, qreal width, const QStringList &pieces)
{
    if (pieces.join(QString()) != text)
        return QStringLiteral("the pieces do not join back to the text");
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype at = 0;
    for (const QString &piece : pieces) {
        if (piece.isEmpty() && !text.isEmpty())
            return QStringLiteral("an empty piece");
        const qsizetype end = at + piece.size();
        int characters = 0;
        while (at < end) {
            at = finder.toNextBoundary();
            if (at == -1 || at > end)
                return QStringLiteral("a piece ends inside a character: ") + piece;
            ++characters;
        }
        if (cells(piece) > width && characters > 1)
            return QStringLiteral("a piece of several characters is too wide: ") + piece;
    }
    return QString();
}
