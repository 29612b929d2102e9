#include "marbelisto/ui/ReturnsPanel.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/IRecordset.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <tuple>

namespace marbelisto {

namespace {

// The guides of the period, by their date; a date may carry a time, so the end is the next day.
const QString Period = QStringLiteral(" FROM gdDevolucionesGuia d INNER JOIN gdVontarelis g ON g.id = d.idGuia ");
const QString InPeriod = QStringLiteral(" WHERE g.fecha >= ? AND g.fecha < ? ");

} // namespace

ReturnsPanel::ReturnsPanel(host::IFramework &framework, const QDate &today, QWidget *parent)
    : QWidget(parent), m_framework(framework), m_from(new QDateEdit(today.addDays(-29), this)),
      m_to(new QDateEdit(today, this))
{
    setObjectName(QStringLiteral("ReturnsPanel"));
    auto *period = new QFormLayout;
    for (auto [edit, name, label] : {std::tuple(m_from, "dtpDevolucionesDesde", "Desde:"),
                                     std::tuple(m_to, "dtpDevolucionesHasta", "Hasta:")}) {
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
        period->addRow(QString::fromUtf8(label), edit);
        connect(edit, &QDateEdit::dateChanged, this, &ReturnsPanel::periodChanged);
    }
    m_byReason = table(QStringLiteral("tblDevolucionesMotivo"), QStringLiteral("Motivo"));
    m_byDriver = table(QStringLiteral("tblDevolucionesConductor"), QStringLiteral("Conductor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(period);
    layout->addWidget(new QLabel(QStringLiteral("Por motivo"), this));
    layout->addWidget(m_byReason, 1);
    layout->addWidget(new QLabel(QStringLiteral("Por conductor"), this));
    layout->addWidget(m_byDriver, 1);
}

QTableWidget *ReturnsPanel::table(const QString &name, const QString &header)
{
    auto *table = new QTableWidget(0, 3, this);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({header, QStringLiteral("Facturas"), QStringLiteral("%")});
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    return table;
}

void ReturnsPanel::refresh()
{
    const QList<Row> byReason = read(QStringLiteral("SELECT d.motivo, COUNT(*)") + Period + InPeriod
                                     + QStringLiteral("GROUP BY d.motivo ORDER BY COUNT(*) DESC, d.motivo"));
    const QList<Row> byDriver =
        read(QStringLiteral("SELECT COALESCE(v.Nombre, g.conductor), COUNT(*)") + Period
             + QStringLiteral("LEFT JOIN Vendedores v ON v.Codigo = g.conductor") + InPeriod
             + QStringLiteral("GROUP BY g.conductor, v.Nombre ORDER BY COUNT(*) DESC, g.conductor"));
    show(*m_byReason, byReason);
    show(*m_byDriver, byDriver);
}

void ReturnsPanel::periodChanged()
{
    try {
        refresh();
    } catch (const toolkit::Error &error) {
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("ReturnsPanel::refresh"));
    }
}

QList<ReturnsPanel::Row> ReturnsPanel::read(const QString &sql) const
{
    QList<Row> rows;
    for (auto rs = m_framework.OpenRecordsetA(sql, {m_from->date().startOfDay(), m_to->date().addDays(1).startOfDay()});
         !rs->Eof(); rs->MoveNext())
        rows.append({toolkit::toText(rs->Fields(0)), toolkit::toLong(rs->Fields(1))});
    return rows;
}

void ReturnsPanel::show(QTableWidget &table, const QList<Row> &rows)
{
    qint64 total = 0;
    for (const Row &row : rows)
        total += row.count;
    table.setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const Row &row = rows.at(r);
        const double share = 100.0 * row.count / double(total);
        const QStringList texts{row.name, toolkit::NumberFormat::format(double(row.count), QStringLiteral("#,##0")),
                                toolkit::NumberFormat::format(share, QStringLiteral("0"))};
        for (int c = 0; c < texts.size(); ++c) {
            auto *item = new QTableWidgetItem(texts.at(c));
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(r, c, item);
        }
    }
}

} // namespace marbelisto
