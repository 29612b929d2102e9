#pragma once

#include "toolkit/ILookupSource.h"

#include <QDialog>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace toolkit {

// The searchable list of a code-lookup box: typing in the filter keeps the rows whose code or
// name contains the text; Up and Down move through the rows, Enter or a double click takes one.
class LookupDialog : public QDialog
{
    Q_OBJECT
public:
    LookupDialog(const QString &title, const QList<LookupEntry> &entries, QWidget *parent = nullptr);

    // Puts the current row on this code, when it is in the list.
    void selectCode(const QString &code);
    // The code of the row taken; empty unless the dialog was accepted.
    QString chosenCode() const { return m_chosen; }

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filterChanged(const QString &text);

    QLineEdit *m_filter;
    QTableView *m_list;
    QStandardItemModel *m_entries;
    QSortFilterProxyModel *m_visible;
    QString m_chosen;
};

} // namespace toolkit
