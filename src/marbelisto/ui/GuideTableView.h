#pragma once

#include <QTableView>

namespace marbelisto {

// The guide list's table: whole rows, read-only, sortable by a click on a header. A double
// click or Enter on a row chooses it (once: the style's single-click activation plays no part).
class GuideTableView : public QTableView
{
    Q_OBJECT

public:
    explicit GuideTableView(QWidget *parent = nullptr);

signals:
    void rowChosen(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace marbelisto
