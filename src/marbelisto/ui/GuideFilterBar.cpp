#include "marbelisto/ui/GuideFilterBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace marbelisto {

GuideFilterBar::GuideFilterBar(const QDate &today, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GuideFilterBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *stateLabel = new QLabel(QStringLiteral("&Mostrar:"), this);
    m_state = new QComboBox(this);
    m_state->setObjectName(QStringLiteral("cboEstado"));
    m_state->addItem(QStringLiteral("Todas las guías"), int(GuideFilter::State::All));
    m_state->addItem(QStringLiteral("Abiertas"), int(GuideFilter::State::Open));
    m_state->addItem(QStringLiteral("Cerradas"), int(GuideFilter::State::Closed));
    stateLabel->setBuddy(m_state);

    m_useFrom = new QCheckBox(QStringLiteral("D&esde"), this);
    m_useFrom->setObjectName(QStringLiteral("chkDesde"));
    m_from = dateEdit(QStringLiteral("dtpDesde"), today);
    m_useTo = new QCheckBox(QStringLiteral("&Hasta"), this);
    m_useTo->setObjectName(QStringLiteral("chkHasta"));
    m_to = dateEdit(QStringLiteral("dtpHasta"), today);

    layout->addWidget(stateLabel);
    layout->addWidget(m_state);
    layout->addSpacing(16);
    layout->addWidget(m_useFrom);
    layout->addWidget(m_from);
    layout->addWidget(m_useTo);
    layout->addWidget(m_to);
    layout->addStretch();

    connect(m_state, &QComboBox::currentIndexChanged, this, &GuideFilterBar::filterChanged);
    using Range = std::pair<QCheckBox *, QDateEdit *>;
    for (const auto &[check, edit] : {Range{m_useFrom, m_from}, Range{m_useTo, m_to}}) {
        connect(check, &QCheckBox::toggled, edit, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, this, &GuideFilterBar::filterChanged);
        connect(edit, &QDateEdit::dateChanged, this, [this, check = check] {
            if (check->isChecked())
                emit filterChanged();
        });
    }
}

GuideFilter GuideFilterBar::filter() const
{
    return GuideFilter{
        .state = GuideFilter::State(m_state->currentData().toInt()),
        .from = m_useFrom->isChecked() ? m_from->date() : QDate(),
        .to = m_useTo->isChecked() ? m_to->date() : QDate(),
    };
}

QDateEdit *GuideFilterBar::dateEdit(const QString &name, const QDate &today)
{
    auto *edit = new QDateEdit(today, this);
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    edit->setEnabled(false);
    return edit;
}

} // namespace marbelisto
