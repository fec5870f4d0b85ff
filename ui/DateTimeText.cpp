#include "ui/DateTimeText.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace {

QString number(int value, qsizetype width)
{
    return QStringLiteral("%1").arg(value, int(width), 10, QLatin1Char('0'));
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

QString formatDateTime(QStringView pattern, const QDateTime &time, QChar timeSeparator)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    QString out;
    out.reserve(pattern.size());
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (!isAsciiLetter(c)) {
            out += c == u':' ? timeSeparator : c;
            ++i;
            continue;
        }
        const QChar token = c.toUpper();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toUpper() == token)
            ++run;
        const qsizetype width = run == 1 ? 1 : 2;
        switch (token.unicode()) {
        case u'Y':
            out += run <= 2 ? number(date.year() % 100, 2) : number(date.year(), 4);
            break;
        case u'M':
            out += number(afterHour ? clock.minute() : date.month(), width);
            break;
        case u'D':
            out += number(date.day(), width);
            break;
        case u'H':
            out += number(clock.hour(), width);
            break;
        case u'N':
            out += number(clock.minute(), width);
            break;
        case u'S':
            out += number(clock.second(), width);
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        afterHour = token == u'H';
        i += run;
    }
    return out;
}

QChar timeSeparatorOfFormat(const QByteArray &format)
{
    static constexpr QChar fallback = u':';
    // %T and %R stand for %H:%M:%S and %H:%M.
    bool inTime = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            if (inTime && !isAsciiLetter(QLatin1Char(format[i])))
                return QLatin1Char(format[i]);
            continue;
        }
        // Skip flags, width and the E/O modifiers to reach the conversion letter.
        qsizetype j = i + 1;
        while (j < format.size() && std::string_view("_-^#0123456789EO").find(format[j]) != std::string_view::npos)
            ++j;
        if (j >= format.size())
            break;
        const char conversion = format[j];
        i = j;
        if (conversion == 'T' || conversion == 'R' || conversion == 'r')
            return fallback;
        if (conversion == 'H' || conversion == 'I' || conversion == 'k' || conversion == 'l')
            inTime = true;
        else if (inTime)
            return fallback; // the next field came straight after the hour
    }
    return fallback;
}

QChar systemTimeSeparator()
{
    const locale_t locale = newlocale(LC_TIME_MASK, "", locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return u':';
    const QChar separator = timeSeparatorOfFormat(QByteArray(nl_langinfo_l(T_FMT, locale)));
    freelocale(locale);
    return separator;
}
