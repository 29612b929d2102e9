#pragma once

#include "marbelisto/ui/GuideFilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace marbelisto {

// The guide list's filters: open, closed or all guides, and a date range whose ends are
// switched on one by one.
class GuideFilterBar : public QWidget
{
    Q_OBJECT

public:
    // The range's dates start on today, for the day's work.
    explicit GuideFilterBar(const QDate &today, QWidget *parent = nullptr);

    GuideFilter filter() const;

signals:
    void filterChanged();

private:
    QDateEdit *dateEdit(const QString &name, const QDate &today);

    QComboBox *m_state;
    QCheckBox *m_useFrom;
    QDateEdit *m_from;
    QCheckBox *m_useTo;
    QDateEdit *m_to;
};

} // namespace marbelisto
