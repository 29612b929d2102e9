#pragma once

#include <QWidget>

class QLabel;

namespace host {
class IFramework;
}

namespace marbelisto {

class GuideFilterBar;
class GuideListModel;
class GuideTableView;

// The central area of the main window: the filters, the latest guides and how many there are.
class GuideListPanel : public QWidget
{
    Q_OBJECT

public:
    GuideListPanel(host::IFramework &framework, const QDate &today, QWidget *parent = nullptr);

    GuideListModel &model() const { return *m_model; }
    GuideTableView &table() const { return *m_table; }
    // The guide of the selected row; 0 when none is selected.
    qint32 selectedNumero() const;

    // Reads the list again where the clerk is: the selected guide stays selected and the list
    // scrolled as it was. A failure raises toolkit::Error and leaves the list as it was.
    void follow();

public slots:
    // Reads the first page again; a failure is reported and leaves the list empty.
    void refresh();

signals:
    void guideChosen(qint32 numero);

private:
    void showCount();

    GuideFilterBar *m_filters;
    GuideListModel *m_model;
    GuideTableView *m_table;
    QLabel *m_count;
};

} // namespace marbelisto
