#include "toolkit/NumberFormat.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace toolkit {

namespace {

struct Pattern
{
    QString prefix;
    QString suffix;
    int minInteger = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool hasPlaceholders = false;
};

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

Pattern parse(const QString &text)
{
    Pattern p;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPlaceholder(text.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        p.prefix = text;
        return p;
    }
    p.hasPlaceholders = true;
    // A point right after the last placeholder ("0.") still belongs to the number part.
    qsizetype body = last + 1;
    if (body < text.size() && text.at(body) == QLatin1Char('.'))
        ++body;
    p.prefix = text.left(first);
    p.suffix = text.mid(body);
    const QString number = text.mid(first, body - first);
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? number : number.left(point);
    const QString fractionPart = point < 0 ? QString() : number.mid(point + 1);
    p.grouping = integerPart.contains(QLatin1Char(','));
    // Any "0" of the integer part shows every digit to its right, so count from the first zero.
    const qsizetype firstZero = integerPart.indexOf(QLatin1Char('0'));
    if (firstZero >= 0)
        p.minInteger = int(integerPart.mid(firstZero).count(QLatin1Char('0')) + integerPart.mid(firstZero).count(QLatin1Char('#')));
    for (const QChar c : fractionPart) {
        if (c == QLatin1Char('0')) {
            ++p.maxDecimals;
            p.minDecimals = p.maxDecimals;
        } else if (c == QLatin1Char('#')) {
            ++p.maxDecimals;
        }
    }
    return p;
}

// Rounds a decimal digit string (integer and fraction digits) half away from zero.
void roundDigits(QString &integerDigits, QString &fractionDigits, int decimals)
{
    if (fractionDigits.size() <= decimals)
        return;
    const bool up = fractionDigits.at(decimals) >= QLatin1Char('5');
    fractionDigits.truncate(decimals);
    if (!up)
        return;
    QString all = integerDigits + fractionDigits;
    qsizetype i = all.size() - 1;
    for (; i >= 0; --i) {
        if (all.at(i) == QLatin1Char('9')) {
            all[i] = QLatin1Char('0');
            continue;
        }
        all[i] = QChar(all.at(i).unicode() + 1);
        break;
    }
    if (i < 0)
        all.prepend(QLatin1Char('1'));
    integerDigits = all.left(all.size() - decimals);
    fractionDigits = all.right(decimals);
}

QString group(const QString &digits, const QLocale &locale)
{
    const QString separator = locale.groupSeparator();
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += digits.at(i);
    }
    return grouped;
}

// The pattern for a sign: "positive;negative" keeps its own text for negatives.
QString sectionFor(const QString &pattern, bool negative, bool &signInPattern)
{
    const QStringList sections = pattern.split(QLatin1Char(';'));
    signInPattern = negative && sections.size() > 1 && !sections.at(1).isEmpty();
    return signInPattern ? sections.at(1) : sections.at(0);
}

} // namespace

QString NumberFormat::format(double value, const QString &pattern, const QLocale &locale)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const QString shortest = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = shortest.indexOf(QLatin1Char('.'));
    return formatDigits(std::signbit(value) && value != 0.0,
                        point < 0 ? shortest : shortest.left(point),
                        point < 0 ? QString() : shortest.mid(point + 1), pattern, locale);
}

QString NumberFormat::format(Currency value, const QString &pattern, const QLocale &locale)
{
    QString plain = value.toPlainText();
    const bool negative = plain.startsWith(QLatin1Char('-'));
    if (negative)
        plain.remove(0, 1);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    return formatDigits(negative, point < 0 ? plain : plain.left(point),
                        point < 0 ? QString() : plain.mid(point + 1), pattern, locale);
}

QString NumberFormat::formatDigits(bool negative, QString integerDigits, QString fractionDigits,
                                   const QString &pattern, const QLocale &locale)
{
    bool signInPattern = false;
    const Pattern p = parse(sectionFor(pattern, negative, signInPattern));
    if (!p.hasPlaceholders && !pattern.isEmpty())
        return p.prefix;

    if (pattern.isEmpty()) {
        // No pattern: the number as it is, with the locale's decimal separator.
        QString text = integerDigits;
        if (!fractionDigits.isEmpty())
            text += locale.decimalPoint() + fractionDigits;
        return negative ? QLatin1Char('-') + text : text;
    }

    roundDigits(integerDigits, fractionDigits, p.maxDecimals);
    while (fractionDigits.size() > p.minDecimals && fractionDigits.endsWith(QLatin1Char('0')))
        fractionDigits.chop(1);
    while (fractionDigits.size() < p.minDecimals)
        fractionDigits += QLatin1Char('0');
    while (integerDigits.size() > 1 && integerDigits.startsWith(QLatin1Char('0')))
        integerDigits.remove(0, 1);
    if (integerDigits == QLatin1String("0") && p.minInteger == 0)
        integerDigits.clear();
    while (integerDigits.size() < p.minInteger)
        integerDigits.prepend(QLatin1Char('0'));

    const bool isZero = !integerDigits.contains(QRegularExpression(QStringLiteral("[1-9]")))
        && !fractionDigits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    QString text = p.grouping ? group(integerDigits, locale) : integerDigits;
    if (!fractionDigits.isEmpty())
        text += locale.decimalPoint() + fractionDigits;
    const bool showMinus = negative && !isZero && !signInPattern;
    return p.prefix + (showMinus ? QStringLiteral("-") : QString()) + text + p.suffix;
}

} // namespace toolkit
