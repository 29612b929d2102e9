#include "marbelisto/app/ActivatorLoader.h"

#include "toolkit/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace marbelisto {

QStringList ActivatorLoader::searchPath()
{
    const QString configured = qEnvironmentVariable(DirectoryVariable);
    if (!configured.isEmpty())
        return {configured};
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("plugins")), program.filePath(QStringLiteral("../plugins"))};
}

host::IActivator &ActivatorLoader::load()
{
    const QString source = QStringLiteral("marbelisto");
    const QStringList folders = searchPath();
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &fileName : dir.entryList(QDir::Files, QDir::Name)) {
            if (!QLibrary::isLibrary(fileName))
                continue;
            QPluginLoader loader(dir.absoluteFilePath(fileName));
            if (loader.metaData().value(QStringLiteral("IID")).toString() != QLatin1String(VontarelisActivator_iid))
                continue;
            auto *activator = qobject_cast<host::IActivator *>(loader.instance());
            if (!activator)
                throw toolkit::Error(toolkit::ErrCannotCreateObject,
                                     QStringLiteral("No se pudo cargar el componente de guías de despacho «%1»: %2")
                                         .arg(loader.fileName(), loader.errorString()),
                                     source);
            return *activator;
        }
    }
    throw toolkit::Error(toolkit::ErrCannotCreateObject,
                         QStringLiteral("No se encontró el componente de guías de despacho (%1) en: %2")
                             .arg(QLatin1String(VontarelisActivator_iid), folders.join(QStringLiteral(", "))),
                         source);
}

} // namespace marbelisto
