// A user report definition (.rcl). A definition is refused with a reported error or lays out
// over fixed rows; then no line of the column heads, rows or totals is wider than its rule.
#include "FixedFramework.h"
#include "FuzzInput.h"

#include "marbelisto/report/ReportDefinition.h"
#include "marbelisto/report/UserReport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::text(data, size);
    try {
        const marbelisto::ReportDefinition definition = marbelisto::ReportDefinition::parse(text, QStringLiteral("fuzz.rcl"));
        fuzz::FixedFramework framework;
        const hostlibs::PrintJob job =
            marbelisto::UserReport(definition, QStringLiteral("numeroGuia"), 42).layOut(framework, QStringLiteral("Informe"));
        QStringList rows = job.header.mid(4);
        rows += job.body;
        rows += job.footer.mid(0, 2);
        for (const QString &row : rows) {
            for (const QStringView line : QStringView(row).split(u'\n'))
                fuzz::check(line.size() <= job.columns, "a report's lines stay within its rule",
                            line.toString() + u'\n' + text);
        }
    } catch (const toolkit::Error &) {
        // A refusal the host reports to the clerk.
    } catch (const std::exception &error) {
        fuzz::fail("a definition is refused with a reported error, not another exception",
                   QString::fromUtf8(error.what()) + u'\n' + text);
    }
    return 0;
}
