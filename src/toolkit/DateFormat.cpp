#include "toolkit/DateFormat.h"

namespace toolkit {

namespace {

qsizetype runLength(const QString &text, qsizetype from)
{
    qsizetype end = from;
    const QChar c = text.at(from).toLower();
    while (end < text.size() && text.at(end).toLower() == c)
        ++end;
    return end - from;
}

} // namespace

QString DateFormat::shortDatePattern(const QLocale &locale)
{
    const QString localeFormat = locale.dateFormat(QLocale::ShortFormat);
    QString pattern;
    for (qsizetype i = 0; i < localeFormat.size();) {
        const QChar c = localeFormat.at(i);
        if (c == u'\'') {
            // Quoted text of the format stays as it is, quotes included.
            const qsizetype close = localeFormat.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? localeFormat.size() : close + 1;
            pattern += localeFormat.mid(i, end - i);
            i = end;
            continue;
        }
        const qsizetype n = runLength(localeFormat, i);
        if (c == u'd' && n <= 2)
            pattern += QLatin1String("dd");
        else if (c == u'M' && n <= 2)
            pattern += QLatin1String("MM");
        else if (c == u'y')
            pattern += QLatin1String("yyyy");
        else
            pattern += localeFormat.mid(i, n);
        i += n;
    }
    return pattern;
}

QString DateFormat::format(const QDateTime &moment, const QString &pattern, const QLocale &locale)
{
    if (pattern.compare(QLatin1String("Short Date"), Qt::CaseInsensitive) == 0)
        return locale.toString(moment.date(), shortDatePattern(locale));
    if (pattern.compare(QLatin1String("Long Date"), Qt::CaseInsensitive) == 0)
        return locale.toString(moment.date(), QLocale::LongFormat);
    if (pattern.isEmpty() || pattern.compare(QLatin1String("General Date"), Qt::CaseInsensitive) == 0) {
        const QString date = locale.toString(moment.date(), shortDatePattern(locale));
        if (moment.time() == QTime(0, 0))
            return date;
        return date + u' ' + locale.toString(moment.time(), QLocale::ShortFormat);
    }

    const QDate date = moment.date();
    const QTime time = moment.time();
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i).toLower();
        const qsizetype n = runLength(pattern, i);
        if (c == QLatin1Char('d')) {
            out += n >= 2 ? two(date.day()) : QString::number(date.day());
            afterHour = false;
        } else if (c == QLatin1Char('m') && afterHour) {
            out += n >= 2 ? two(time.minute()) : QString::number(time.minute());
            afterHour = false;
        } else if (c == QLatin1Char('m')) {
            if (n >= 4)
                out += locale.monthName(date.month(), QLocale::LongFormat);
            else if (n == 3)
                out += locale.monthName(date.month(), QLocale::ShortFormat);
            else
                out += n == 2 ? two(date.month()) : QString::number(date.month());
        } else if (c == QLatin1Char('y')) {
            out += n >= 3 ? QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) : two(date.year() % 100);
        } else if (c == QLatin1Char('h')) {
            out += n >= 2 ? two(time.hour()) : QString::number(time.hour());
            afterHour = true;
        } else if (c == QLatin1Char('n')) {
            out += n >= 2 ? two(time.minute()) : QString::number(time.minute());
            afterHour = false;
        } else if (c == QLatin1Char('s')) {
            out += n >= 2 ? two(time.second()) : QString::number(time.second());
        } else {
            out += pattern.mid(i, n);
        }
        i += n;
    }
    return out;
}

} // namespace toolkit
