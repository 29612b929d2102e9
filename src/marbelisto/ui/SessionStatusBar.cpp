#include "marbelisto/ui/SessionStatusBar.h"

#include <QDir>
#include <QLabel>

namespace marbelisto {

SessionStatusBar::SessionStatusBar(const QString &database, const QString &user, QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("stbPrincipal"));
    // A path under the home folder is written the short way, as a shell shows it.
    QString shown = database;
    const QString home = QDir::homePath();
    if (home.size() > 1 && shown.startsWith(home + u'/'))
        shown = u'~' + shown.mid(home.size());
    m_outage = panel(QStringLiteral("stbConexion"), QStringLiteral("Sin conexión con el servidor"),
                     QStringLiteral("El programa vuelve a conectarse solo en cuanto el servidor responda"));
    QFont bold = m_outage->font();
    bold.setBold(true);
    m_outage->setFont(bold);
    m_outage->hide();
    addPermanentWidget(m_outage);
    addPermanentWidget(panel(QStringLiteral("stbBaseDatos"), QStringLiteral("Base de datos: %1").arg(shown), database));
    m_company = panel(QStringLiteral("stbEmpresa"), QString(), QStringLiteral("Empresa"));
    addPermanentWidget(m_company);
    addPermanentWidget(panel(QStringLiteral("stbUsuario"), QStringLiteral("Usuario: %1").arg(user),
                             QStringLiteral("Usuario que firma las guías")));
}

void SessionStatusBar::setCompany(const QString &name)
{
    m_company->setText(QStringLiteral("Empresa: %1").arg(name));
}

void SessionStatusBar::setReachable(bool reachable)
{
    m_outage->setVisible(!reachable);
}

void SessionStatusBar::warn(const QString &text)
{
    QLabel *warning = panel(QStringLiteral("stbAviso"), text, text);
    // Cut where the window ends rather than widen it; the tooltip holds the whole text.
    warning->setMinimumWidth(1);
    warning->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(warning, 1);
}

QLabel *SessionStatusBar::panel(const QString &name, const QString &text, const QString &toolTip)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace marbelisto
