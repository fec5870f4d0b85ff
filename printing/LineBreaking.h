#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Splits a line into pieces that each measure at most maxWidth, breaking between
// characters (never inside a character or a combining sequence) and, inside a run of
// Latin-like text, after the last blank that fits. A single character wider than maxWidth
// becomes a piece of its own. The pieces joined give back the text; an empty text is one
// empty piece.
QStringList breakLine(const QString &text, qreal maxWidth, const std::function<qreal(QStringView)> &measure);
