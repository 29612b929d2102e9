// A print format file. A format either is refused with a reported error or, filled from a fixed
// guide, renders to PDF: nothing else is ever thrown.
#include "FixedGuide.h"
#include "FuzzInput.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/JobFiller.h"
#include "hostlibs/PageRenderer.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMatrix.h"
#include "toolkit/Error.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <memory>

// The font machinery under Qt's painting (Qt's font cache and database, fontconfig, FreeType,
// HarfBuzz) fills caches on first use and keeps them for the life of the process, where the
// leak checker does not look; none of it is allocated by our code. Qt's own frames are only
// seen with the slow unwinder.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QFontCache\nleak:QFontDatabasePrivate\nleak:QFontconfigDatabase\nleak:QFontEngine\n"
           "leak:QFreetypeFace\nleak:hb_qt_face_get_for_engine\nleak:libfontconfig.so\nleak:libfreetype.so\n"
           "leak:libharfbuzz.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Pages are painted with fonts, which need the application object for the whole run.
    static const auto application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::text(data, size);
    try {
        const hostlibs::PrintFormat format = hostlibs::PrintFormat::parse(text, QStringLiteral("fuzz.txt"));
        fuzz::FixedGuide guide;
        hostlibs::FieldFiller filler;
        hostlibs::PrintJob job = hostlibs::JobFiller::fill(format, guide, filler);
        for (QString &code : job.qrTexts) {
            if (!code.isEmpty() && !hostlibs::QrMatrix::fits(code))
                code.clear();
        }
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        const int pages = hostlibs::PageRenderer(job).render(writer);
        fuzz::check(pages >= 1, "a rendered format has a page", text);
    } catch (const toolkit::Error &) {
        // A refusal the host reports to the clerk.
    } catch (const std::exception &error) {
        fuzz::fail("a format is refused with a reported error, not another exception",
                   QString::fromUtf8(error.what()) + u'\n' + text);
    }
    return 0;
}
