#include "hostlibs/PrintFormat.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/QrMarker.h"

#include "toolkit/Error.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace hostlibs {

namespace {

const QString source = QStringLiteral("DocumentPrinter");

bool isMarker(const QString &line, const char *marker)
{
    return line.trimmed().compare(QLatin1String(marker), Qt::CaseInsensitive) == 0;
}

// The list a "[LISTA NAME]" line opens, or nothing when the line opens none.
std::optional<QString> listOpened(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1String("[LISTA "), Qt::CaseInsensitive) || !trimmed.endsWith(u']'))
        return std::nullopt;
    const QString name = trimmed.mid(7, trimmed.size() - 8).trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, source);
}

} // namespace

PrintFormat PrintFormat::read(const QString &path)
{
    if (!QFileInfo(path).isFile())
        fail(QStringLiteral("No se encuentra el formato de impresión «%1»").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("No se puede leer el formato de impresión «%1»: %2").arg(path, file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), path);
}

PrintFormat PrintFormat::parse(const QString &text, const QString &origin)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    // A final newline ends the last line; it does not open another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    PrintFormat format;
    enum class Section { Header, Detail, Footer } section = Section::Header;
    bool inQr = false;
    bool inList = false;
    bool inListHeading = false;
    bool inSubDetail = false;
    const auto sectionLines = [&]() -> QStringList & {
        if (inListHeading)
            return format.m_afterDetail.last().heading;
        if (inList)
            return format.m_afterDetail.last().lines;
        if (inSubDetail)
            return format.m_subDetail;
        switch (section) {
        case Section::Header:
            return format.m_header;
        case Section::Detail:
            return format.m_detail;
        case Section::Footer:
            break;
        }
        return format.m_footer;
    };
    for (const QString &line : lines) {
        if (!FieldFiller::fieldsFit(line))
            fail(QStringLiteral("El formato de impresión «%1» tiene un campo de más de %2 caracteres de ancho")
                     .arg(origin)
                     .arg(FieldFiller::WidestField));
        if (isMarker(line, "[QR]")) {
            if (inQr)
                fail(QStringLiteral("El formato de impresión «%1» abre [QR] dentro de otro bloque [QR]").arg(origin));
            inQr = true;
            const auto column = int(line.indexOf(u'['));
            sectionLines().append(QrMarker::line(column, int(format.m_qrBlocks.size())));
            format.m_qrBlocks.append(QStringList());
            continue;
        }
        if (isMarker(line, "[/QR]")) {
            if (!inQr)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/QR] sin abrirlo").arg(origin));
            if (format.m_qrBlocks.last().isEmpty())
                fail(QStringLiteral("El formato de impresión «%1» tiene un bloque [QR] vacío").arg(origin));
            inQr = false;
            continue;
        }
        if (inQr) {
            if (isMarker(line, "[DETALLE]") || isMarker(line, "[/DETALLE]"))
                fail(QStringLiteral("El formato de impresión «%1» tiene un bloque [DETALLE] dentro de [QR]").arg(origin));
            format.m_qrBlocks.last().append(line);
            continue;
        }
        if (const std::optional<QString> list = listOpened(line)) {
            if (section != Section::Footer)
                fail(QStringLiteral("El formato de impresión «%1» abre [LISTA] antes de cerrar [/DETALLE]").arg(origin));
            if (inList)
                fail(QStringLiteral("El formato de impresión «%1» abre [LISTA] dentro de otra lista").arg(origin));
            // What stood before the list prints before it, with the body.
            if (!format.m_footer.isEmpty())
                format.m_afterDetail.append({QString(), std::exchange(format.m_footer, {}), {}});
            format.m_afterDetail.append({*list, {}, {}});
            inList = true;
            continue;
        }
        if (isMarker(line, "[/LISTA]")) {
            if (!inList || inListHeading)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/LISTA] sin abrirla o antes de cerrar "
                                    "[/ENCABEZADO]")
                         .arg(origin));
            inList = false;
            continue;
        }
        if (isMarker(line, "[ENCABEZADO]")) {
            if (!inList || inListHeading || !format.m_afterDetail.last().lines.isEmpty()
                || !format.m_afterDetail.last().heading.isEmpty())
                fail(QStringLiteral("El formato de impresión «%1» abre [ENCABEZADO] fuera del comienzo de una lista")
                         .arg(origin));
            inListHeading = true;
            continue;
        }
        if (isMarker(line, "[/ENCABEZADO]")) {
            if (!inListHeading)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/ENCABEZADO] sin abrirlo").arg(origin));
            inListHeading = false;
            continue;
        }
        if (isMarker(line, "[SUBDETALLE]")) {
            if (section != Section::Detail || inSubDetail || format.m_subDetailAt >= 0)
                fail(QStringLiteral("El formato de impresión «%1» abre [SUBDETALLE] fuera de [DETALLE] o más de una vez")
                         .arg(origin));
            inSubDetail = true;
            format.m_subDetailAt = format.m_detail.size();
            continue;
        }
        if (isMarker(line, "[/SUBDETALLE]")) {
            if (!inSubDetail)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/SUBDETALLE] sin abrirlo").arg(origin));
            inSubDetail = false;
            continue;
        }
        if (isMarker(line, "[DETALLE]")) {
            if (section != Section::Header)
                fail(QStringLiteral("El formato de impresión «%1» tiene más de un bloque [DETALLE]").arg(origin));
            section = Section::Detail;
            continue;
        }
        if (isMarker(line, "[/DETALLE]")) {
            if (section != Section::Detail || inSubDetail)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/DETALLE] sin abrirlo").arg(origin));
            section = Section::Footer;
            continue;
        }
        // Left in the text, that character would make the line read as a code's marker.
        sectionLines().append(QString(line).remove(QrMarker::Character));
    }
    if (inQr)
        fail(QStringLiteral("El formato de impresión «%1» abre [QR] sin cerrarlo con [/QR]").arg(origin));
    if (inList)
        fail(QStringLiteral("El formato de impresión «%1» abre [LISTA] sin cerrarla con [/LISTA]").arg(origin));
    if (section == Section::Detail)
        fail(QStringLiteral("El formato de impresión «%1» abre [DETALLE] sin cerrarlo con [/DETALLE]").arg(origin));
    return format;
}

int PrintFormat::width() const
{
    QList<const QStringList *> sections{&m_header, &m_detail, &m_footer};
    for (const Segment &segment : m_afterDetail)
        sections << &segment.heading << &segment.lines;
    int widest = 0;
    sections.append(&m_subDetail);
    for (const QStringList *lines : sections) {
        for (const QString &line : *lines) {
            if (!QrMarker::parse(line))
                widest = std::max(widest, FieldFiller::layoutWidth(line));
        }
    }
    return widest;
}

} // namespace hostlibs
