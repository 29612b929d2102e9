#pragma once

#include "marbelisto/ui/GuideFilter.h"
#include "marbelisto/ui/GuideListQuery.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace host {
class IFramework;
}

namespace marbelisto {

// The latest dispatch guides, read-only, one page at a time: a view asks for more rows as the
// user scrolls (canFetchMore/fetchMore), so a book of 100,000 guides opens as fast as one of ten.
// Sorting and filtering read the first page again.
class GuideListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 200;

    explicit GuideListModel(host::IFramework &framework, QObject *parent = nullptr);

    // Raise toolkit::Error when the database fails; the list is then empty.
    void setFilter(const GuideFilter &filter);
    void reload();
    // Reads the list again as far as rows reach, in whole pages; a failure raises and leaves
    // the list as it was.
    void reread(int rows);

    GuideFilter filter() const { return m_filter; }
    // How many guides the filter lets through, fetched or not.
    qint64 total() const { return m_total; }
    qint32 numero(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    // A failure is reported through CommonUtilities and ends the fetching; a view calls this
    // from its event handlers, where no exception may pass.
    void fetchMore(const QModelIndex &parent) override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Row
    {
        qint32 numero;
        bool cerrada;
        QStringList texts;
    };

    std::vector<Row> readPage(int offset) const;
    void settleTotal(std::size_t pageRows);
    GuideListQuery query() const;

    host::IFramework &m_framework;
    GuideFilter m_filter;
    int m_sortColumn = GuideListQuery::Numero;
    Qt::SortOrder m_order = Qt::DescendingOrder;
    QString m_moneyMask;
    qint64 m_total = 0;
    bool m_fetching = false;
    std::vector<Row> m_rows;
};

} // namespace marbelisto
