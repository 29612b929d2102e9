#include "marbelisto/report/ReportDefinition.h"

#include "toolkit/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace marbelisto {

namespace {

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("Marbelisto.generarUsrReport"));
}

[[noreturn]] void failAt(const QString &origin, int lineNumber, const QString &problem)
{
    fail(QStringLiteral("La definición de informe «%1» no se puede leer (línea %2): %3").arg(origin).arg(lineNumber).arg(problem));
}

Qt::Alignment alignmentOf(const QString &word, const QString &origin, int lineNumber)
{
    const QString lower = word.toLower();
    if (lower.isEmpty() || lower == u"izquierda")
        return Qt::AlignLeft;
    if (lower == u"derecha")
        return Qt::AlignRight;
    if (lower == u"centro")
        return Qt::AlignHCenter;
    failAt(origin, lineNumber, QStringLiteral("alineación «%1» desconocida (izquierda, derecha o centro)").arg(word));
}

ReportColumn columnOf(const QString &line, const QString &origin, int lineNumber)
{
    QStringList parts = line.split(u'|');
    for (QString &part : parts)
        part = part.trimmed();
    if (parts.size() < 3 || parts.size() > 6)
        failAt(origin, lineNumber, QStringLiteral("una columna es «campo | título | ancho | alineación | máscara | suma»"));
    ReportColumn column;
    column.field = parts.at(0);
    column.caption = parts.at(1);
    bool isNumber = false;
    column.width = parts.at(2).toInt(&isNumber);
    if (column.field.isEmpty() || !isNumber || column.width < 1 || column.width > ReportColumn::WidestWidth)
        failAt(origin, lineNumber,
               QStringLiteral("la columna necesita un campo y un ancho de 1 a %1").arg(ReportColumn::WidestWidth));
    column.alignment = alignmentOf(parts.value(3), origin, lineNumber);
    column.mask = parts.value(4);
    const QString sum = parts.value(5).toLower();
    if (!sum.isEmpty() && sum != u"suma")
        failAt(origin, lineNumber, QStringLiteral("la última casilla de una columna es «suma» o nada"));
    column.sum = !sum.isEmpty();
    return column;
}

} // namespace

ReportDefinition ReportDefinition::read(const QString &path)
{
    if (!QFileInfo(path).isFile())
        fail(QStringLiteral("No se encuentra la definición de informe «%1»").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("No se puede leer la definición de informe «%1»: %2").arg(path, file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), path);
}

ReportDefinition ReportDefinition::parse(const QString &text, const QString &origin)
{
    ReportDefinition definition;
    QStringList title;
    QStringList query;
    QStringList count;
    QString section;
    int lineNumber = 0;
    for (QString line : text.split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed().toLower();
            if (section != u"titulo" && section != u"consulta" && section != u"columnas" && section != u"conteo")
                failAt(origin, lineNumber, QStringLiteral("sección «%1» desconocida").arg(trimmed));
            continue;
        }
        if (section == u"titulo")
            title.append(trimmed);
        else if (section == u"consulta")
            query.append(line);
        else if (section == u"columnas")
            definition.m_columns.append(columnOf(trimmed, origin, lineNumber));
        else if (section == u"conteo")
            count.append(trimmed);
        else
            failAt(origin, lineNumber, QStringLiteral("texto antes de la primera sección"));
    }
    definition.m_title = title.join(u' ');
    definition.m_query = query.join(u'\n').trimmed();
    definition.m_countLabel = count.join(u' ');
    if (definition.m_query.isEmpty())
        fail(QStringLiteral("La definición de informe «%1» no tiene [consulta]").arg(origin));
    if (definition.m_columns.isEmpty())
        fail(QStringLiteral("La definición de informe «%1» no tiene [columnas]").arg(origin));
    return definition;
}

} // namespace marbelisto
