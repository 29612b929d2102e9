#pragma once

#include <QWidget>

class QFormLayout;
class QLabel;

namespace host {
class IFramework;
}

namespace marbelisto {

class DatabaseSummary;

// The company and the figures of its books (invoices waiting, open guides, vehicles...),
// each figure a label named like its caption.
class SummaryPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryPanel(QWidget *parent = nullptr);

    void show(const DatabaseSummary &summary);

private:
    QLabel *m_company;
    QFormLayout *m_figures;
};

} // namespace marbelisto
