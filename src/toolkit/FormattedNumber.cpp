#include "toolkit/FormattedNumber.h"

#include <QStringList>

#include <algorithm>

namespace toolkit {

namespace {

bool isDigitAt(const QString &text, qsizetype i)
{
    return i >= 0 && i < text.size() && text.at(i).unicode() >= u'0' && text.at(i).unicode() <= u'9';
}

bool hasAt(const QString &text, qsizetype i, const QString &what)
{
    return !what.isEmpty() && QStringView(text).mid(i).startsWith(what);
}

// The digits and separators of the number, as they stand in the text.
struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
    bool hasDecimal = false;
    qsizetype exponent = -1; // where "E+15" starts, -1 without one
};

Span findNumber(const QString &text, const QString &decimal, const QString &group)
{
    Span span;
    qsizetype i = 0;
    while (i < text.size() && !isDigitAt(text, i))
        ++i;
    if (i == text.size())
        return span;
    span.begin = i;
    while (i < text.size()) {
        if (isDigitAt(text, i)) {
            ++i;
        } else if (!span.hasDecimal && hasAt(text, i, decimal) && isDigitAt(text, i + decimal.size())) {
            span.hasDecimal = true;
            i += decimal.size();
        } else if (!span.hasDecimal && hasAt(text, i, group) && isDigitAt(text, i + group.size())) {
            i += group.size();
        } else if (!span.hasDecimal && text.at(i) == u'.' && isDigitAt(text, i + 1)) {
            // A point of plain number text in a locale that writes another decimal separator.
            ++i;
        } else {
            break;
        }
    }
    // A number without integer part (".5", "$,50"); the point that ends an abbreviation ("Bs.5")
    // is part of the literal prefix.
    const qsizetype separator = span.begin - decimal.size();
    if (!span.hasDecimal && separator >= 0 && hasAt(text, separator, decimal)
        && (separator == 0 || !text.at(separator - 1).isLetter())) {
        span.begin -= decimal.size();
        span.hasDecimal = true;
    }
    if (i < text.size() && (text.at(i) == u'E' || text.at(i) == u'e')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        if (isDigitAt(text, j)) {
            span.exponent = i;
            while (isDigitAt(text, j))
                ++j;
            i = j;
        }
    }
    span.end = i;
    return span;
}

// Whether the points of "1.234.567" group thousands: a first group of one to three digits
// that is no lone zero ("0.125" is plain text), then groups of exactly three. A mask that pads
// with zeros writes a first group such as "001".
bool groupsThousands(const QString &integer, QChar separator)
{
    const QStringList groups = integer.split(separator);
    if (groups.size() < 2 || groups.first().isEmpty() || groups.first().size() > 3 || groups.first() == u"0")
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](const QString &g) { return g.size() == 3; });
}

// The number with a point and no grouping.
QString plainDigits(const QString &number, bool hasDecimal, const QString &decimal, const QString &group)
{
    QString plain = number;
    if (hasDecimal) {
        plain.remove(group);
        return plain.replace(decimal, QStringLiteral("."));
    }
    if (group == QLatin1String(".")) {
        if (!plain.contains(u'.') || groupsThousands(plain, u'.'))
            return plain.remove(u'.');
        // Plain number text: the first point is the decimal point, a second one ends the number.
        const qsizetype second = plain.indexOf(u'.', plain.indexOf(u'.') + 1);
        return second < 0 ? plain : plain.left(second);
    }
    return plain.remove(group);
}

} // namespace

double FormattedNumber::read(const QString &text, const QLocale &locale)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const Span span = findNumber(text, decimal, group);
    if (span.end == span.begin)
        return 0.0;

    const qsizetype mantissaEnd = span.exponent < 0 ? span.end : span.exponent;
    const QString mantissa = text.mid(span.begin, mantissaEnd - span.begin);
    // Masks never write exponents: with one the text is plain and its point a decimal point.
    const bool plainText = span.exponent >= 0;
    QString number = plainText ? mantissa : plainDigits(mantissa, span.hasDecimal, decimal, group);
    if (plainText && decimal != QLatin1String("."))
        number.replace(decimal, QStringLiteral("."));
    number += text.mid(mantissaEnd, span.end - mantissaEnd);

    bool ok = false;
    const double magnitude = QLocale::c().toDouble(number, &ok);
    if (!ok)
        return 0.0;

    const QString before = text.left(span.begin);
    const QString after = text.mid(span.end);
    const auto hasMinus = [&](const QString &part) {
        return part.contains(u'-') || (!locale.negativeSign().isEmpty() && part.contains(locale.negativeSign()));
    };
    const bool negative = hasMinus(before) || hasMinus(after)
        || (before.contains(u'(') && after.contains(u')'));
    return negative ? -magnitude : magnitude;
}

} // namespace toolkit
