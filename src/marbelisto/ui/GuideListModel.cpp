#include "marbelisto/ui/GuideListModel.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/DateFormat.h"
#include "toolkit/Error.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IFramework.h"

#include <QColor>
#include <QFont>
#include <QScopedValueRollback>

namespace marbelisto {

namespace {

const char *const Headers[GuideListQuery::ColumnCount] = {"Número", "Fecha",   "Conductor", "Placa",
                                                          "Facturas", "Peso (kg)", "Total",  "Estado"};

// Figures to the right; the state centred, so it never runs into the total beside it.
int alignment(int column)
{
    switch (column) {
    case GuideListQuery::Numero:
    case GuideListQuery::Facturas:
    case GuideListQuery::Peso:
    case GuideListQuery::Total:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case GuideListQuery::Estado:
        return int(Qt::AlignCenter);
    default:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace

GuideListModel::GuideListModel(host::IFramework &framework, QObject *parent)
    : QAbstractTableModel(parent), m_framework(framework)
{
}

void GuideListModel::setFilter(const GuideFilter &filter)
{
    m_filter = filter;
    reload();
}

void GuideListModel::reload()
{
    try {
        reread(PageSize);
    } catch (...) {
        beginResetModel();
        m_rows.clear();
        m_total = 0;
        endResetModel();
        throw;
    }
}

void GuideListModel::reread(int rows)
{
    const QScopedValueRollback fetching(m_fetching, true);
    const auto company = std::dynamic_pointer_cast<host::ICompany>(m_framework.CrearObjeto(QStringLiteral("Empresa")));
    m_moneyMask = company ? company->MascaraMonetarios() : QStringLiteral("#,##0.00");
    const GuideListQuery list = query();
    const qint64 total = toolkit::toLong(m_framework.ReadScalarA(list.countSql(), list.countParameters()));
    std::vector<Row> read;
    std::size_t lastPage = 0;
    do {
        std::vector<Row> page = readPage(int(read.size()));
        lastPage = page.size();
        std::move(page.begin(), page.end(), std::back_inserter(read));
    } while (lastPage == std::size_t(PageSize) && read.size() < std::size_t(rows));
    beginResetModel();
    m_rows = std::move(read);
    m_total = total;
    settleTotal(lastPage);
    endResetModel();
}

qint32 GuideListModel::numero(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[std::size_t(row)].numero : 0;
}

int GuideListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GuideListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : GuideListQuery::ColumnCount;
}

QVariant GuideListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= GuideListQuery::ColumnCount)
        return {};
    const Row &row = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.texts.at(index.column());
    case Qt::TextAlignmentRole:
        return alignment(index.column());
    case Qt::ForegroundRole:
        // Closed guides are history: shown, but quieter than the open ones still in work.
        return row.cerrada ? QVariant(QColor(0x6B, 0x75, 0x80)) : QVariant();
    case Qt::FontRole:
        if (index.column() == GuideListQuery::Estado && !row.cerrada) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant GuideListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= GuideListQuery::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(Headers[section]);
    // The figures are those recorded with the guide, the same its print shows; a review that
    // leaves an invoice behind does not change them.
    if (role == Qt::ToolTipRole && section == GuideListQuery::Facturas)
        return QStringLiteral("Facturas registradas con la guía");
    if (role == Qt::ToolTipRole && section == GuideListQuery::Total)
        return QStringLiteral("Valor de venta más impuesto, en la moneda de la empresa, registrado con la guía");
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

bool GuideListModel::canFetchMore(const QModelIndex &parent) const
{
    // Nothing more while the list is being reset or a page added: a view reacting to the
    // change would read the same page again.
    return !parent.isValid() && !m_fetching && qint64(m_rows.size()) < m_total;
}

void GuideListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const QScopedValueRollback fetching(m_fetching, true);
    try {
        std::vector<Row> page = readPage(int(m_rows.size()));
        const std::size_t read = page.size();
        if (!page.empty()) {
            const int first = int(m_rows.size());
            beginInsertRows(QModelIndex(), first, first + int(page.size()) - 1);
            std::move(page.begin(), page.end(), std::back_inserter(m_rows));
            endInsertRows();
        }
        settleTotal(read);
    } catch (const toolkit::Error &error) {
        m_total = qint64(m_rows.size());
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("GuideListModel::fetchMore"));
    }
}

void GuideListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= GuideListQuery::ColumnCount)
        return;
    m_sortColumn = column;
    m_order = order;
    try {
        reload();
    } catch (const toolkit::Error &error) {
        // Called by the view's header when clicked: no exception may leave.
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("GuideListModel::sort"));
    }
}

std::vector<GuideListModel::Row> GuideListModel::readPage(int offset) const
{
    const GuideListQuery list = query();
    std::vector<Row> page;
    page.reserve(PageSize);
    const auto rs = m_framework.OpenRecordsetA(list.pageSql(), list.pageParameters(PageSize, offset));
    for (; !rs->Eof(); rs->MoveNext()) {
        const qint32 numero = toolkit::toLong(rs->Fields(QStringLiteral("id")));
        const bool cerrada = toolkit::toLong(rs->Fields(QStringLiteral("Cerrada"))) != 0;
        const QString codigo = toolkit::toText(rs->Fields(QStringLiteral("conductor")));
        const QVariant nombre = rs->Fields(QStringLiteral("nombreConductor"));
        const QVariant placas = rs->Fields(QStringLiteral("placas"));
        const toolkit::Currency total = toolkit::toCurrency(rs->Fields(QStringLiteral("totalPrecioVenta")))
                                        + toolkit::toCurrency(rs->Fields(QStringLiteral("totalIVA")));
        page.push_back(Row{
            numero, cerrada,
            QStringList{
                QString::number(numero),
                toolkit::DateFormat::format(toolkit::toDate(rs->Fields(QStringLiteral("fecha"))),
                                            QStringLiteral("dd-mm-yyyy")),
                toolkit::isNull(nombre) ? codigo : QStringLiteral("%1 (%2)").arg(toolkit::toText(nombre), codigo),
                toolkit::isNull(placas) ? QString() : toolkit::toText(placas),
                QString::number(toolkit::toLong(rs->Fields(QStringLiteral("facturas")))),
                toolkit::NumberFormat::format(toolkit::toDouble(rs->Fields(QStringLiteral("totalPeso"))),
                                              QStringLiteral("#,##0.00")),
                toolkit::NumberFormat::format(total, m_moneyMask),
                cerrada ? QStringLiteral("Cerrada") : QStringLiteral("Abierta"),
            }});
    }
    return page;
}

void GuideListModel::settleTotal(std::size_t pageRows)
{
    // A short page means the list has ended, whatever the count said (guides removed since).
    if (pageRows < std::size_t(PageSize))
        m_total = qint64(m_rows.size());
}

GuideListQuery GuideListModel::query() const
{
    return GuideListQuery(m_filter, m_sortColumn, m_order);
}

} // namespace marbelisto
