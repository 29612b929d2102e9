#pragma once

#include <QMainWindow>

class QFormLayout;
class QLabel;
class QMenu;

namespace host {
class IFramework;
}

namespace marbelisto {

// The application's main window: the company and what its database holds, and the menu
// "Despacho" through which the dispatch-guide work is reached.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(host::IFramework &framework, QWidget *parent = nullptr);

    QMenu *menuDespacho() const { return m_menuDespacho; }

public slots:
    // Reads the figures again, after work that changed them.
    void refresh();

private:
    host::IFramework &m_framework;
    QMenu *m_menuDespacho;
    QLabel *m_company;
    QFormLayout *m_figures;
};

} // namespace marbelisto
