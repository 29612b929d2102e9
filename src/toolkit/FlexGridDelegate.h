#pragma once

#include <QStyledItemDelegate>

#include <optional>

namespace toolkit {

// Draws the grid's cells. A cell in the "Wingdings" font holding "þ" or "o" shows a ticked or
// an empty box, since that font is missing on most systems; every other cell is drawn as usual.
class FlexGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Ticked (true), empty box (false), or no box at all.
    static std::optional<bool> tickState(const QString &fontName, const QString &text);
};

} // namespace toolkit
