#pragma once

#include "marbelisto/report/ReportColumn.h"

#include <QList>
#include <QString>

namespace marbelisto {

// A user report definition (".rcl"): plain UTF-8 text in sections.
//
//   # a comment
//   [titulo]
//   LISTADO DE FACTURAS DE LA GUÍA {numeroGuia:000000}
//   [consulta]
//   SELECT ... WHERE idGuia = :numeroGuia
//   [columnas]
//   campo | título | ancho | izquierda, derecha o centro | máscara | suma
//   [conteo]
//   Facturas
//
// The title may name the parameter in braces, with an optional number mask after a colon. The
// query is one statement in the database's dialect that writes the parameter as :name. A
// column line gives the field, its caption and width; alignment, mask and "suma" may be left
// out. The count line, when present, closes the report with that label and the number of rows.
class ReportDefinition
{
public:
    // Raises naming the file when it is missing, unreadable or not a report definition.
    static ReportDefinition read(const QString &path);
    static ReportDefinition parse(const QString &text, const QString &origin);

    QString title() const { return m_title; }
    QString query() const { return m_query; }
    const QList<ReportColumn> &columns() const { return m_columns; }
    QString countLabel() const { return m_countLabel; }

private:
    QString m_title;
    QString m_query;
    QList<ReportColumn> m_columns;
    QString m_countLabel;
};

} // namespace marbelisto
