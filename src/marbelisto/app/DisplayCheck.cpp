#include "marbelisto/app/DisplayCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace marbelisto {

namespace {

QString variable(const char *name)
{
    return qEnvironmentVariable(name).trimmed();
}

// A local X display (":0", "unix:1.0") has its socket in /tmp/.X11-unix; a remote one (ssh -X)
// cannot be looked at without connecting, so it is taken as given.
QString x11Problem()
{
    const QString display = variable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("la variable DISPLAY no está definida");
    const QRegularExpressionMatch local = QRegularExpression(QStringLiteral("^(?:unix)?:(\\d+)")).match(display);
    if (local.hasMatch() && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + local.captured(1)))
        return QStringLiteral("no hay servidor X en la pantalla «%1»").arg(display);
    return {};
}

QString waylandProblem()
{
    const QString display = variable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("la variable WAYLAND_DISPLAY no está definida");
    const QString socket = QDir::isAbsolutePath(display) ? display : QDir(variable("XDG_RUNTIME_DIR")).filePath(display);
    if (!QFileInfo::exists(socket))
        return QStringLiteral("no hay compositor Wayland en «%1»").arg(socket);
    return {};
}

} // namespace

QString DisplayCheck::problem()
{
    // QT_QPA_PLATFORM may list fallbacks ("wayland;xcb") and carry options ("xcb:nograb").
    const QString platform = variable("QT_QPA_PLATFORM").section(u';', 0, 0).section(u':', 0, 0);
    if (platform == QLatin1String("xcb"))
        return x11Problem();
    if (platform.startsWith(QLatin1String("wayland")))
        return waylandProblem();
    if (!platform.isEmpty())
        return {};
    const QString x11 = x11Problem();
    if (x11.isEmpty() || waylandProblem().isEmpty())
        return {};
    return variable("DISPLAY").isEmpty() && variable("WAYLAND_DISPLAY").isEmpty()
               ? QStringLiteral("las variables DISPLAY y WAYLAND_DISPLAY no están definidas")
               : x11;
}

} // namespace marbelisto
