#include "printing/LineBreaking.h"

#include <QTextBoundaryFinder>

#include <vector>

namespace {

// Letters and digits of scripts that separate words with blanks.
bool isWordCharacter(QChar c)
{
    if (!c.isLetterOrNumber())
        return false;
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
        return false;
    default:
        return true;
    }
}

std::vector<qsizetype> graphemeBoundaries(const QString &text)
{
    std::vector<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary())
        bounds.push_back(at);
    return bounds;
}

} // namespace

QStringList breakLine(const QString &text, qreal maxWidth, const std::function<qreal(QStringView)> &measure)
{
    if (text.isEmpty())
        return {text};
    const std::vector<qsizetype> bounds = graphemeBoundaries(text);
    QStringList pieces;
    size_t start = 0;
    while (start + 1 < bounds.size()) {
        // Grow the piece one character at a time while it fits; the first always goes in.
        size_t end = start + 1;
        while (end + 1 < bounds.size()
               && measure(QStringView(text).mid(bounds[start], bounds[end + 1] - bounds[start])) <= maxWidth)
            ++end;
        if (end + 1 < bounds.size() && isWordCharacter(text[bounds[end] - 1]) && isWordCharacter(text[bounds[end]])) {
            // In the middle of a word: break after the last blank of the piece, if any.
            for (size_t b = end - 1; b > start; --b) {
                if (text[bounds[b] - 1].isSpace()) {
                    end = b;
                    break;
                }
            }
        }
        pieces.append(text.mid(bounds[start], bounds[end] - bounds[start]));
        start = end;
    }
    return pieces;
}
