#include "toolkit/NumberFormat.h"

#include "toolkit/NumberMask.h"
#include "toolkit/VariantConvert.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace toolkit {

namespace {

// A number as decimal digits, before and after the point.
struct Digits
{
    QString integer;
    QString fraction;

    bool isZero() const
    {
        const auto zero = [](QChar c) { return c == u'0'; };
        return std::all_of(integer.begin(), integer.end(), zero) && std::all_of(fraction.begin(), fraction.end(), zero);
    }
};

// Rounds half away from zero to the given decimals.
Digits rounded(Digits digits, int decimals)
{
    if (digits.fraction.size() <= decimals)
        return digits;
    const bool up = digits.fraction.at(decimals) >= u'5';
    digits.fraction.truncate(decimals);
    if (!up)
        return digits;
    QString all = digits.integer + digits.fraction;
    qsizetype i = all.size() - 1;
    for (; i >= 0; --i) {
        if (all.at(i) == u'9') {
            all[i] = u'0';
            continue;
        }
        all[i] = QChar(all.at(i).unicode() + 1);
        break;
    }
    if (i < 0)
        all.prepend(u'1');
    return {all.left(all.size() - decimals), all.right(decimals)};
}

QString grouped(const QString &digits, const QString &separator)
{
    QString text;
    const qsizetype n = digits.size();
    text.reserve(n + (n / 3) * separator.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            text += separator;
        text += digits.at(i);
    }
    return text;
}

// The digits as the section shows them, without sign, prefix or suffix.
QString body(Digits digits, const NumberMask::Section &section, const NumberFormat::Separators &separators)
{
    digits = rounded(std::move(digits), section.maxDecimals);
    while (digits.fraction.size() > section.minDecimals && digits.fraction.endsWith(u'0'))
        digits.fraction.chop(1);
    while (digits.fraction.size() < section.minDecimals)
        digits.fraction += u'0';
    while (digits.integer.size() > 1 && digits.integer.startsWith(u'0'))
        digits.integer.remove(0, 1);
    if (digits.integer == QLatin1String("0") && section.minInteger == 0)
        digits.integer.clear();
    while (digits.integer.size() < section.minInteger)
        digits.integer.prepend(u'0');

    QString text = section.grouping ? grouped(digits.integer, separators.group) : digits.integer;
    if (!digits.fraction.isEmpty())
        text += separators.point + digits.fraction;
    return text;
}

QString shown(const Digits &digits, const NumberMask::Section &section, const NumberFormat::Separators &separators)
{
    if (!section.hasPlaceholders)
        return section.prefix;
    return section.prefix + body(digits, section, separators) + section.suffix;
}

Digits split(const QString &plain)
{
    const qsizetype point = plain.indexOf(u'.');
    return point < 0 ? Digits{plain, QString()} : Digits{plain.left(point), plain.mid(point + 1)};
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
    const Digits digits = split(QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest));
    return formatDigits(std::signbit(value) && value != 0.0, digits.integer, digits.fraction);
}

QString NumberFormat::format(double value, const QString &mask, const QLocale &locale)
{
    return NumberFormat(mask, locale).text(value);
}

QString NumberFormat::format(Currency value, const QString &mask, const QLocale &locale)
{
    QString plain = value.toPlainText();
    const bool negative = plain.startsWith(u'-');
    if (negative)
        plain.remove(0, 1);
    const Digits digits = split(plain);
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

QString NumberFormat::formatDigits(bool negative, const QString &integerDigits, const QString &fractionDigits) const
{
    const Digits digits{integerDigits, fractionDigits};
    if (m_mask.isEmpty()) {
        QString text = digits.integer;
        if (!digits.fraction.isEmpty())
            text += m_separators.point + digits.fraction;
        return negative ? QStringLiteral("-") + text : text;
    }

    const NumberMask::Section *own = negative ? m_sections.negative() : nullptr;
    const NumberMask::Section &section = own ? *own : m_sections.positive();
    if (rounded(digits, section.maxDecimals).isZero()) {
        const NumberMask::Section *zero = m_sections.zero();
        return shown(Digits{}, zero ? *zero : m_sections.positive(), m_separators);
    }
    const QString text = shown(digits, section, m_separators);
    return negative && !own ? QStringLiteral("-") + text : text;
}

} // namespace toolkit
