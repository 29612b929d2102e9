#include "marbelisto/ui/GuideTableView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace marbelisto {

GuideTableView::GuideTableView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("tblGuias"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
}

void GuideTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit rowChosen(index.row());
}

void GuideTableView::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !currentIndex().isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    emit rowChosen(currentIndex().row());
}

} // namespace marbelisto
