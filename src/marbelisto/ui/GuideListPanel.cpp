#include "marbelisto/ui/GuideListPanel.h"

#include "marbelisto/ui/GuideFilterBar.h"
#include "marbelisto/ui/GuideListModel.h"
#include "marbelisto/ui/GuideTableView.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QVBoxLayout>

namespace marbelisto {

GuideListPanel::GuideListPanel(host::IFramework &framework, const QDate &today, QWidget *parent)
    : QWidget(parent),
      m_filters(new GuideFilterBar(today, this)),
      m_model(new GuideListModel(framework, this)),
      m_table(new GuideTableView(this)),
      m_count(new QLabel(this))
{
    setObjectName(QStringLiteral("GuideListPanel"));
    auto *title = new QLabel(QStringLiteral("Últimas guías de despacho"), this);
    QFont heading = title->font();
    heading.setBold(true);
    title->setFont(heading);
    m_count->setObjectName(QStringLiteral("lblCuenta"));

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(m_count);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_filters);
    layout->addWidget(m_table, 1);

    m_table->setModel(m_model);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_model->rowCount() > 0)
            m_table->setCurrentIndex(m_model->index(0, 0));
        showCount();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &GuideListPanel::showCount);
    // Newest first until the user sorts otherwise. Switching sorting on makes the model read its
    // first page, so the list is filled here.
    m_table->horizontalHeader()->setSortIndicator(GuideListQuery::Numero, Qt::DescendingOrder);
    m_table->setSortingEnabled(true);
    // The driver's name takes the room the window gives; the figures keep a width of their own,
    // so the table never needs a horizontal scroll bar.
    const int digit = m_table->fontMetrics().horizontalAdvance(u'0');
    const int widths[GuideListQuery::ColumnCount] = {8, 11, 0, 10, 8, 11, 13, 9};
    for (int column = 0; column < GuideListQuery::ColumnCount; ++column)
        m_table->setColumnWidth(column, widths[column] * digit + 12);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(GuideListQuery::Conductor, QHeaderView::Stretch);

    connect(m_filters, &GuideFilterBar::filterChanged, this, &GuideListPanel::refresh);
    connect(m_table, &GuideTableView::rowChosen, this, [this](int row) {
        if (const qint32 numero = m_model->numero(row))
            emit guideChosen(numero);
    });
}

qint32 GuideListPanel::selectedNumero() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->numero(current.row()) : 0;
}

void GuideListPanel::follow()
{
    const qint32 selected = selectedNumero();
    const int column = std::max(m_table->currentIndex().column(), 0);
    QScrollBar *scroll = m_table->verticalScrollBar();
    const int scrolled = scroll->value();
    m_model->reread(m_model->rowCount());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->numero(row) == selected) {
            m_table->setCurrentIndex(m_model->index(row, column));
            break;
        }
    }
    // The scroll range is only known once the view has laid the new rows out.
    m_table->doItemsLayout();
    scroll->setValue(scrolled);
}

void GuideListPanel::refresh()
{
    try {
        m_model->setFilter(m_filters->filter());
    } catch (const toolkit::Error &error) {
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("GuideListPanel::refresh"));
    }
}

void GuideListPanel::showCount()
{
    const qint64 total = m_model->total();
    m_count->setText(total == 1 ? QStringLiteral("1 guía")
                                : QStringLiteral("%1 guías").arg(QLocale().toString(total)));
}

} // namespace marbelisto
