#include "toolkit/StatusBar.h"

#include "toolkit/Error.h"

#include <QLabel>

namespace toolkit {

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    auto *first = new QLabel(this);
    first->setObjectName(QStringLiteral("Panel1"));
    first->setTextFormat(Qt::PlainText);
    addWidget(first, 1);
    m_panels.push_back(first);
}

QLabel *StatusBar::Panels(int index) const
{
    if (index < 1 || index > PanelCount())
        throw Error(ErrSubscript, QStringLiteral("Subíndice fuera del intervalo"), QStringLiteral("StatusBar"));
    return m_panels[std::size_t(index - 1)];
}

QLabel *StatusBar::addPanel(int minimumWidth)
{
    auto *panel = new QLabel(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(PanelCount() + 1));
    panel->setTextFormat(Qt::PlainText);
    panel->setMinimumWidth(minimumWidth);
    addPermanentWidget(panel);
    m_panels.push_back(panel);
    return panel;
}

} // namespace toolkit
