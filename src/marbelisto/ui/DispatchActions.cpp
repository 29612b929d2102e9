#include "marbelisto/ui/DispatchActions.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "vontarelis/host/IActivator.h"
#include "vontarelis/host/IInputBox.h"

#include <QAction>

namespace marbelisto {

DispatchActions::DispatchActions(host::IFramework &framework, ActivatorSource activator, ProposedGuide proposed,
                                 QObject *parent)
    : QObject(parent),
      m_framework(framework),
      m_activator(std::move(activator)),
      m_proposed(std::move(proposed)),
      m_newGuide(action(QStringLiteral("actNuevaGuia"), QStringLiteral("&Nueva guía de despacho…"),
                        QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("Registra una guía con las facturas que salen"))),
      m_review(action(QStringLiteral("actRevisarGuias"), QStringLiteral("&Revisar / cerrar guías…"),
                      QKeySequence(Qt::CTRL | Qt::Key_R),
                      QStringLiteral("Revisa las facturas entregadas de una guía abierta y la cierra"))),
      m_print(action(QStringLiteral("actImprimirGuia"), QStringLiteral("&Imprimir guía…"),
                     QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Imprime de nuevo una guía por su número"))),
      m_routeSheet(action(QStringLiteral("actHojaDeRuta"), QStringLiteral("&Hoja de ruta…"), QKeySequence(Qt::CTRL | Qt::Key_H),
                          QStringLiteral("Imprime la hoja de ruta de una guía, con sus paradas en orden de entrega")))
{
    connect(m_newGuide, &QAction::triggered, this, &DispatchActions::runGo);
    connect(m_review, &QAction::triggered, this, &DispatchActions::runControlVontarelis);
    connect(m_print, &QAction::triggered, this, &DispatchActions::askAndPrint);
    connect(m_routeSheet, &QAction::triggered, this, &DispatchActions::askAndPrintRouteSheet);
}

void DispatchActions::runGo()
{
    call(QStringLiteral("Activator.Go"), [this] { m_activator().Go(m_framework); });
    emit finished();
}

void DispatchActions::runControlVontarelis()
{
    call(QStringLiteral("Activator.ControlVontarelis"), [this] { m_activator().ControlVontarelis(m_framework); });
    emit finished();
}

void DispatchActions::askAndPrint()
{
    if (const qint32 numero = askNumber(QStringLiteral("Imprimir guía de despacho")))
        printGuide(numero);
}

void DispatchActions::printGuide(qint32 numero)
{
    withGuide(QStringLiteral("GuiaDespacho.ViewPrint"), numero, [](host::IGuiaDespacho &guide) { guide.ViewPrint(false); });
}

void DispatchActions::askAndPrintRouteSheet()
{
    if (const qint32 numero = askNumber(QStringLiteral("Imprimir hoja de ruta")))
        printRouteSheet(numero);
}

void DispatchActions::printRouteSheet(qint32 numero)
{
    withGuide(QStringLiteral("GuiaDespacho.ViewPrintHojaDeRuta"), numero,
              [](host::IGuiaDespacho &guide) { guide.ViewPrintHojaDeRuta(false); });
}

qint32 DispatchActions::askNumber(const QString &title)
{
    const qint32 proposed = m_proposed ? m_proposed() : 0;
    const QString typed =
        m_framework.InputBoxEx()
            ->GetText(title, QString(), QStringLiteral("Número de la guía de despacho:"), 0, false, 9,
                      proposed > 0 ? QString::number(proposed) : QString())
            .trimmed();
    if (typed.isEmpty())
        return 0;
    bool ok = false;
    const qint32 numero = typed.toInt(&ok);
    if (!ok || numero <= 0) {
        hostlibs::CommonUtilities().ShowMessage(
            QStringLiteral("«%1» no es un número de guía de despacho").arg(typed));
        return 0;
    }
    return numero;
}

void DispatchActions::withGuide(const QString &source, qint32 numero,
                                const std::function<void(host::IGuiaDespacho &)> &print)
{
    call(source, [this, numero, &print] {
        const auto guide = m_activator().GetGuiaDespacho(m_framework);
        if (!guide->Load(numero)) {
            hostlibs::CommonUtilities().ShowMessage(
                QStringLiteral("No existe la guía de despacho número %1").arg(numero));
            return;
        }
        print(*guide);
    });
    emit finished();
}

QAction *DispatchActions::action(const QString &name, const QString &text, const QKeySequence &shortcut,
                                 const QString &tip)
{
    auto *created = new QAction(text, this);
    created->setObjectName(name);
    created->setShortcut(shortcut);
    created->setStatusTip(tip);
    created->setToolTip(QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    return created;
}

void DispatchActions::call(const QString &source, const std::function<void()> &work)
{
    try {
        work();
    } catch (const toolkit::Error &error) {
        // The error's own source says where it arose; without one, the call that failed.
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                error.source().isEmpty() ? source : error.source());
    } catch (const std::exception &error) {
        hostlibs::CommonUtilities().ReportError(0, toolkit::ErrInvalidCall, QString::fromLocal8Bit(error.what()),
                                                source);
    }
}

} // namespace marbelisto
