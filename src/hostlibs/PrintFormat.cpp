#include "hostlibs/PrintFormat.h"

#include "toolkit/Error.h"

#include <QFile>
#include <QFileInfo>

namespace hostlibs {

namespace {

const QString source = QStringLiteral("DocumentPrinter");

bool isMarker(const QString &line, const char *marker)
{
    return line.trimmed().compare(QLatin1String(marker), Qt::CaseInsensitive) == 0;
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
    for (const QString &line : lines) {
        if (isMarker(line, "[DETALLE]")) {
            if (section != Section::Header)
                fail(QStringLiteral("El formato de impresión «%1» tiene más de un bloque [DETALLE]").arg(origin));
            section = Section::Detail;
            continue;
        }
        if (isMarker(line, "[/DETALLE]")) {
            if (section != Section::Detail)
                fail(QStringLiteral("El formato de impresión «%1» cierra [/DETALLE] sin abrirlo").arg(origin));
            section = Section::Footer;
            continue;
        }
        switch (section) {
        case Section::Header:
            format.m_header.append(line);
            break;
        case Section::Detail:
            format.m_detail.append(line);
            break;
        case Section::Footer:
            format.m_footer.append(line);
            break;
        }
    }
    if (section == Section::Detail)
        fail(QStringLiteral("El formato de impresión «%1» abre [DETALLE] sin cerrarlo con [/DETALLE]").arg(origin));
    return format;
}

} // namespace hostlibs
