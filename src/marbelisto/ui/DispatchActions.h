#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace host {
class IActivator;
class IFramework;
class IGuiaDespacho;
}

namespace marbelisto {

// The dispatch work the main window offers: a new guide (Go), the review of open guides
// (ControlVontarelis) and printing a guide, or its route sheet, again. An error that comes back from the component
// is reported through CommonUtilities.ReportError, and the window goes on.
class DispatchActions : public QObject
{
    Q_OBJECT

public:
    // Gives the component, loading it on first use; raises toolkit::Error when it cannot.
    using ActivatorSource = std::function<host::IActivator &()>;
    // The guide a print proposes (the list's selection); 0 for none.
    using ProposedGuide = std::function<qint32()>;

    DispatchActions(host::IFramework &framework, ActivatorSource activator, ProposedGuide proposed,
                    QObject *parent = nullptr);

    QAction *newGuide() const { return m_newGuide; }
    QAction *review() const { return m_review; }
    QAction *print() const { return m_print; }
    QAction *routeSheet() const { return m_routeSheet; }

public slots:
    void runGo();
    void runControlVontarelis();
    // Asks for a guide number, then prints that guide.
    void askAndPrint();
    // GetGuiaDespacho, Load and ViewPrint(false); a number no guide has is told, not raised.
    void printGuide(qint32 numero);
    // Asks for a guide number, then prints that guide's route sheet.
    void askAndPrintRouteSheet();
    void printRouteSheet(qint32 numero);

signals:
    // After every call of the component, failed or not: what the books hold may have changed.
    void finished();

private:
    QAction *action(const QString &name, const QString &text, const QKeySequence &shortcut, const QString &tip);
    void call(const QString &source, const std::function<void()> &work);
    // The number typed for the proposed guide; 0 when none or no number (the user was told).
    qint32 askNumber(const QString &title);
    // Loads the guide through the component and hands it to the print; a missing one is told.
    void withGuide(const QString &source, qint32 numero, const std::function<void(host::IGuiaDespacho &)> &print);

    host::IFramework &m_framework;
    ActivatorSource m_activator;
    ProposedGuide m_proposed;
    QAction *m_newGuide;
    QAction *m_review;
    QAction *m_print;
    QAction *m_routeSheet;
};

} // namespace marbelisto
