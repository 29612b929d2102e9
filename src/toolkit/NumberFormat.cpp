#include "toolkit/NumberFormat.h"

#include "toolkit/NumberMask.h"
#include "toolkit/ShortestFixed.h"
#include "toolkit/VariantConvert.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

// A number as decimal digits, before and after the point, viewing text that outlives it.
struct Digits
{
    QStringView integer;
    QStringView fraction;
};

bool allZero(QStringView digits)
{
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

bool roundsUp(const Digits &digits, int decimals)
{
    return digits.fraction.size() > decimals && digits.fraction.at(decimals) >= u'5';
}

bool roundsToZero(const Digits &digits, int decimals)
{
    return allZero(digits.integer) && allZero(digits.fraction.left(decimals)) && !roundsUp(digits, decimals);
}

// The digits as the section shows them, without sign, prefix or suffix, appended to text:
// rounded half away from zero to the section's decimals, trailing zeros dropped down to its
// fewest decimals, leading zeros down to its fewest integer digits, grouped when it asks.
void appendBody(QString &text, const Digits &digits, const NumberMask::Section &section,
                const NumberFormat::Separators &separators)
{
    const qsizetype kept = std::min<qsizetype>(digits.fraction.size(), section.maxDecimals);
    QVarLengthArray<QChar, 48> all;
    all.append(digits.integer.data(), digits.integer.size());
    all.append(digits.fraction.data(), kept);
    if (roundsUp(digits, section.maxDecimals)) {
        qsizetype i = all.size() - 1;
        for (; i >= 0 && all[i] == u'9'; --i)
            all[i] = u'0';
        if (i >= 0)
            all[i] = QChar(all[i].unicode() + 1);
        else
            all.insert(all.begin(), QChar(u'1'));
    }
    const qsizetype integerEnd = all.size() - kept;
    qsizetype fractionSize = kept;
    while (fractionSize > section.minDecimals && all[integerEnd + fractionSize - 1] == u'0')
        --fractionSize;
    qsizetype integerStart = 0;
    while (integerEnd - integerStart > 1 && all[integerStart] == u'0')
        ++integerStart;
    if (integerEnd - integerStart == 1 && all[integerStart] == u'0' && section.minInteger == 0)
        integerStart = integerEnd;

    const qsizetype integerDigits = std::max<qsizetype>(integerEnd - integerStart, section.minInteger);
    const qsizetype padding = integerDigits - (integerEnd - integerStart);
    for (qsizetype i = 0; i < integerDigits; ++i) {
        if (section.grouping && i > 0 && (integerDigits - i) % 3 == 0)
            text += separators.group;
        text += i < padding ? QChar(u'0') : all[integerStart + i - padding];
    }
    if (fractionSize == 0 && section.minDecimals == 0)
        return;
    text += separators.point;
    text.append(all.data() + integerEnd, fractionSize);
    for (qsizetype i = fractionSize; i < section.minDecimals; ++i)
        text += u'0';
}

QString shown(const Digits &digits, const NumberMask::Section &section, const NumberFormat::Separators &separators)
{
    if (!section.hasPlaceholders)
        return section.prefix;
    QString text;
    text.reserve(section.prefix.size() + section.suffix.size() + 2 * (digits.integer.size() + section.maxDecimals) + 4);
    text += section.prefix;
    appendBody(text, digits, section, separators);
    text += section.suffix;
    return text;
}

Digits split(QStringView plain)
{
    const qsizetype point = plain.indexOf(u'.');
    return point < 0 ? Digits{plain, QStringView()} : Digits{plain.left(point), plain.mid(point + 1)};
}

} // namespace

NumberFormat::NumberFormat(const QString &mask, const QLocale &locale)
    : m_mask(mask), m_sections(mask), m_separators{locale.groupSeparator(), locale.decimalPoint()}
{
}

QString NumberFormat::text(double value) const
{
    if (!std::isfinite(value))
        return QString::number(value);
    const bool negative = std::signbit(value) && value != 0.0;
    const double magnitude = std::fabs(value);
    if (ShortestFixed::covers(magnitude)) {
        // Almost every amount: its digits on the stack, no string in between.
        const ShortestFixed shortest(magnitude);
        const Digits digits = split(shortest.text());
        return formatDigits(negative, digits.integer, digits.fraction);
    }
    const QString plain = QString::number(magnitude, 'f', QLocale::FloatingPointShortest);
    const Digits digits = split(plain);
    return formatDigits(negative, digits.integer, digits.fraction);
}

QString NumberFormat::format(double value, const QString &mask, const QLocale &locale)
{
    return NumberFormat(mask, locale).text(value);
}

QString NumberFormat::format(Currency value, const QString &mask, const QLocale &locale)
{
    const QString plain = value.toPlainText();
    const bool negative = plain.startsWith(u'-');
    const Digits digits = split(QStringView(plain).mid(negative ? 1 : 0));
    return NumberFormat(mask, locale).formatDigits(negative, digits.integer, digits.fraction);
}

QString NumberFormat::format(const QVariant &value, const QString &mask, const QLocale &locale)
{
    if (isNull(value)) {
        const NumberFormat format(mask, locale);
        const NumberMask::Section *null = format.m_sections.null();
        return null ? shown(Digits{}, *null, format.m_separators) : QString();
    }
    if (value.metaType() == QMetaType::fromType<Currency>())
        return format(value.value<Currency>(), mask, locale);
    return format(toDouble(value), mask, locale);
}

QString NumberFormat::formatDigits(bool negative, QStringView integerDigits, QStringView fractionDigits) const
{
    const Digits digits{integerDigits, fractionDigits};
    if (m_mask.isEmpty()) {
        QString text = negative ? QStringLiteral("-") : QString();
        text += digits.integer;
        if (!digits.fraction.isEmpty()) {
            text += m_separators.point;
            text += digits.fraction;
        }
        return text;
    }

    const NumberMask::Section *own = negative ? m_sections.negative() : nullptr;
    const NumberMask::Section &section = own ? *own : m_sections.positive();
    if (roundsToZero(digits, section.maxDecimals)) {
        const NumberMask::Section *zero = m_sections.zero();
        return shown(Digits{}, zero ? *zero : m_sections.positive(), m_separators);
    }
    const QString text = shown(digits, section, m_separators);
    return negative && !own ? QStringLiteral("-") + text : text;
}

} // namespace toolkit
