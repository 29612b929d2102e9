#include "toolkit/PlainNumber.h"

#include "toolkit/ShortestFixed.h"

#include <QLocale>


namespace toolkit {

QString PlainNumber::write(double value)
{
    QString text;
    append(text, value);
    return text;
}

void PlainNumber::append(QString &text, double value)
{
    if (value == 0.0)
        text += u'0';
    else if (ShortestFixed::covers(value))
        text += ShortestFixed(value).text();
    else
        text += QString::number(value, 'e', QLocale::FloatingPointShortest).toUpper();
}

double PlainNumber::read(const QString &text)
{
    // Blanks, tabs and line feeds are skipped anywhere, as the classic reader does.
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            compact += c;
    }

    const auto isDigit = [&](qsizetype i) { return i < compact.size() && compact.at(i).isDigit() && compact.at(i).unicode() < 128; };
    qsizetype i = 0;
    if (i < compact.size() && (compact.at(i) == QLatin1Char('-') || compact.at(i) == QLatin1Char('+')))
        ++i;
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < compact.size() && compact.at(i) == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < compact.size() && (compact.at(i) == QLatin1Char('e') || compact.at(i) == QLatin1Char('E')
                               || compact.at(i) == QLatin1Char('d') || compact.at(i) == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        if (j < compact.size() && (compact.at(j) == QLatin1Char('-') || compact.at(j) == QLatin1Char('+')))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    QString number = compact.left(end);
    number.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    if (number.startsWith(QLatin1Char('.')) || number.startsWith(QLatin1String("-.")) || number.startsWith(QLatin1String("+.")))
        number.insert(number.indexOf(QLatin1Char('.')), QLatin1Char('0'));
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}

} // namespace toolkit
