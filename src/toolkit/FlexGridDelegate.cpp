#include "toolkit/FlexGridDelegate.h"

#include "toolkit/FlexGridModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace toolkit {

std::optional<bool> FlexGridDelegate::tickState(const QString &fontName, const QString &text)
{
    if (fontName.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    if (text == QStringLiteral("þ"))
        return true;
    if (text == QLatin1String("o"))
        return false;
    return std::nullopt;
}

void FlexGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto tick = tickState(index.data(FlexGridModel::FontNameRole).toString(), index.data().toString());
    if (!tick) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    cell.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    const QSize boxSize(style->pixelMetric(QStyle::PM_IndicatorWidth, &cell, widget),
                        style->pixelMetric(QStyle::PM_IndicatorHeight, &cell, widget));
    QStyleOptionButton box;
    box.direction = cell.direction;
    box.palette = cell.palette;
    box.rect = QStyle::alignedRect(cell.direction, cell.displayAlignment, boxSize, cell.rect.adjusted(2, 1, -2, -1));
    box.state = QStyle::State_Enabled | (*tick ? QStyle::State_On : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
}

} // namespace toolkit
