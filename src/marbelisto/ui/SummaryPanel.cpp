#include "marbelisto/ui/SummaryPanel.h"

#include "marbelisto/app/DatabaseSummary.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace marbelisto {

SummaryPanel::SummaryPanel(QWidget *parent)
    : QWidget(parent), m_company(new QLabel(this)), m_figures(new QFormLayout)
{
    setObjectName(QStringLiteral("SummaryPanel"));
    m_company->setObjectName(QStringLiteral("lblEmpresa"));
    m_company->setWordWrap(true);
    QFont heading = m_company->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    m_company->setFont(heading);
    m_figures->setContentsMargins(0, 0, 0, 0);
    m_figures->setLabelAlignment(Qt::AlignLeft);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_company);
    layout->addSpacing(6);
    layout->addLayout(m_figures);
    layout->addStretch();
}

void SummaryPanel::show(const DatabaseSummary &summary)
{
    m_company->setText(summary.companyName());
    while (m_figures->rowCount() > 0)
        m_figures->removeRow(0);
    for (const auto &[label, count] : summary.lines()) {
        auto *value = new QLabel(QLocale().toString(count), this);
        value->setObjectName(label);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_figures->addRow(label + u':', value);
    }
}

} // namespace marbelisto
