#include "toolkit/LookupDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace toolkit {

LookupDialog::LookupDialog(const QString &title, const QList<LookupEntry> &entries, QWidget *parent)
    : QDialog(parent), m_filter(new QLineEdit(this)), m_list(new QTableView(this)),
      m_entries(new QStandardItemModel(0, 2, this)), m_visible(new QSortFilterProxyModel(this))
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("LookupDialog"));
    m_filter->setObjectName(QStringLiteral("filtro"));
    m_filter->setPlaceholderText(QStringLiteral("Escriba parte del código o del nombre"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);

    m_entries->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre")});
    for (const LookupEntry &entry : entries)
        m_entries->appendRow({new QStandardItem(entry.code), new QStandardItem(entry.name)});
    m_visible->setSourceModel(m_entries);
    m_visible->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_visible->setFilterKeyColumn(-1);

    m_list->setObjectName(QStringLiteral("lista"));
    m_list->setModel(m_visible);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->resizeColumnToContents(0);
    connect(m_list, &QTableView::doubleClicked, this, &LookupDialog::accept);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LookupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LookupDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(460, 360);

    connect(m_filter, &QLineEdit::textChanged, this, &LookupDialog::filterChanged);
    filterChanged(QString());
    m_filter->setFocus();
}

void LookupDialog::filterChanged(const QString &text)
{
    m_visible->setFilterFixedString(text.trimmed());
    if (m_visible->rowCount() > 0)
        m_list->setCurrentIndex(m_visible->index(0, 0));
}

void LookupDialog::selectCode(const QString &code)
{
    for (int row = 0; row < m_visible->rowCount(); ++row) {
        const QModelIndex index = m_visible->index(row, 0);
        if (index.data().toString().compare(code.trimmed(), Qt::CaseInsensitive) == 0) {
            m_list->setCurrentIndex(index);
            m_list->scrollTo(index);
            return;
        }
    }
}

void LookupDialog::accept()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    m_chosen = m_visible->index(current.row(), 0).data().toString();
    QDialog::accept();
}

bool LookupDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down in the filter move through the list, so the hands stay on the keys.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up || key->key() == Qt::Key_PageDown
            || key->key() == Qt::Key_PageUp) {
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(m_list, &forwarded);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace toolkit
