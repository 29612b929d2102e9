#pragma once

#include <QStatusBar>

#include <vector>

class QLabel;

namespace toolkit {

// A status bar of text panels, counted from 1 as Panels(1); it starts with one panel that
// takes the spare width.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Raises an error for an index outside 1 to PanelCount().
    QLabel *Panels(int index) const;
    int PanelCount() const { return int(m_panels.size()); }
    // A further panel to the right, as wide as its text (at least minimumWidth pixels).
    QLabel *addPanel(int minimumWidth = 0);

private:
    std::vector<QLabel *> m_panels;
};

} // namespace toolkit
