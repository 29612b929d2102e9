// A reference as a clerk types it. The pattern accepts exactly one to three upper-case ASCII
// letters or digits, a hyphen and ASCII digits; an accepted reference whose number fits a Long
// is one whose digits read as that number.
#include "FuzzInput.h"

#include "vontarelis/model/InvoiceReference.h"

#include <algorithm>
#include <limits>

namespace {

bool isSeriesCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool wellFormed(const QString &reference)
{
    const qsizetype dash = reference.indexOf(u'-');
    if (dash < 1 || dash > 3 || dash == reference.size() - 1)
        return false;
    const QStringView series = QStringView(reference).left(dash);
    const QStringView number = QStringView(reference).mid(dash + 1);
    return std::all_of(series.begin(), series.end(), isSeriesCharacter) && std::all_of(number.begin(), number.end(), isDigit);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reference = fuzz::text(data, size);
    const bool valid = vontarelis::InvoiceReference::isValid(reference);
    fuzz::check(valid == wellFormed(reference), "the pattern accepts exactly <serie>-<numero>", reference);
    if (!valid || !vontarelis::InvoiceReference::fitsInvoiceNumber(reference))
        return 0;
    const QString digits = reference.mid(reference.indexOf(u'-') + 1);
    bool isNumber = false;
    const qint64 number = digits.toLongLong(&isNumber);
    fuzz::check(isNumber && number <= std::numeric_limits<qint32>::max(), "a fitting number is a Long", reference);
    return 0;
}
