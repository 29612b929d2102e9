// A date pattern and a moment: "pattern\nmilliseconds since 1970\nlocale". Any pattern writes any
// moment; the short date and "dd-mm-yyyy" read back as the same day.
#include "FuzzInput.h"

#include "toolkit/DateFormat.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList input = fuzz::parts(fuzz::text(data, size), 3);
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(input.at(1).toLongLong(), Qt::UTC);
    const QLocale locale = fuzz::locale(input.at(2).toUInt());
    toolkit::DateFormat::format(moment, input.at(0), locale);

    const QDate day = moment.date();
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        return 0;
    const QString shortDate = toolkit::DateFormat::format(moment, QStringLiteral("Short Date"), locale);
    const QDate readShort = locale.toDate(shortDate, toolkit::DateFormat::shortDatePattern(locale));
    fuzz::check(readShort == day, "the short date reads back as the day",
                QStringLiteral("%1 %2 wrote «%3» read %4").arg(day.toString(Qt::ISODate), locale.name(), shortDate,
                                                                readShort.toString(Qt::ISODate)));
    const QString dashed = toolkit::DateFormat::format(moment, QStringLiteral("dd-mm-yyyy"), locale);
    const QDate readDashed = QDate::fromString(dashed, QStringLiteral("dd-MM-yyyy"));
    fuzz::check(readDashed == day, "dd-mm-yyyy reads back as the day",
                QStringLiteral("%1 wrote «%2»").arg(day.toString(Qt::ISODate), dashed));
    return 0;
}
