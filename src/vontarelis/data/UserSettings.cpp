#include "vontarelis/data/UserSettings.h"

#include "hostlibs/PrivateFiles.h"
#include "toolkit/Error.h"

#include <QSettings>

namespace vontarelis {

namespace {

// Sections use backslashes between levels; the store nests them as groups.
QString address(const QString &section, const QString &key)
{
    QString path = section;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path + QLatin1Char('/') + key;
}

} // namespace

QString UserSettings::get(const QString &application, const QString &section, const QString &key,
                          const QString &defaultValue)
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
    return store.value(address(section, key), defaultValue).toString();
}

void UserSettings::save(const QString &application, const QString &section, const QString &key,
                        const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
    // Private before the first write: the store keeps the mode of the file it replaces.
    const bool kept = hostlibs::PrivateFiles::keepPrivate(store.fileName());
    store.setValue(address(section, key), value);
    store.sync();
    if (!kept || store.status() != QSettings::NoError)
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("No se pudo guardar la configuración en %1").arg(store.fileName()),
                             QStringLiteral("UserSettings"));
}

} // namespace vontarelis
