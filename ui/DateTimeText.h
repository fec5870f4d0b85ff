#pragma once

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>

// What the date-time field shows.
inline constexpr char16_t kDateTimePattern[] = u"YYYY-MM-DD HH:MM:SS";

// Formats a date and time by a pattern: letters are case-insensitive and a run of equal
// letters is one token (Y year, M month, D day, H hour on the 24-hour clock, N minutes,
// S seconds; an M that follows an H with only non-letters between is minutes). A single
// letter gives the number unpadded, two or more pad it to two digits (a Y run of three or
// more gives four). ":" becomes timeSeparator; every other character is copied.
// Milliseconds are dropped.
QString formatDateTime(QStringView pattern, const QDateTime &time, QChar timeSeparator);

// The time separator of a strftime time format (glibc's T_FMT): the first non-letter
// between the hour and the minute fields, ':' when there is none.
QChar timeSeparatorOfFormat(const QByteArray &strftimeFormat);

// The separator of the user's LC_TIME locale, as set in the environment now.
QChar systemTimeSeparator();
