#include "marbelisto/app/ActivatorLoader.h"

#include "toolkit/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace marbelisto {

namespace {

// The first library in the folders whose metadata names the component; empty when none does.
// Reading the metadata loads nothing.
QString pluginFile(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &fileName : dir.entryList(QDir::Files, QDir::Name)) {
            if (!QLibrary::isLibrary(fileName))
                continue;
            const QPluginLoader loader(dir.absoluteFilePath(fileName));
            if (loader.metaData().value(QStringLiteral("IID")).toString() == QLatin1String(VontarelisActivator_iid))
                return loader.fileName();
        }
    }
    return QString();
}

} // namespace

QStringList ActivatorLoader::searchPath()
{
    QStringList folders;
    const QString configured = qEnvironmentVariable(DirectoryVariable);
    if (!configured.isEmpty())
        folders.append(QDir(configured).absolutePath());
    const QDir program(QCoreApplication::applicationDirPath());
    // The installed folder is written relative to the program, so a moved prefix still works.
    for (const QString &relative : {QStringLiteral("plugins"), QStringLiteral("../plugins"),
                                    QStringLiteral(MARBELISTO_INSTALLED_PLUGIN_DIR)}) {
        const QString folder = QDir::cleanPath(program.filePath(relative));
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

host::IActivator &ActivatorLoader::load()
{
    const QString source = QStringLiteral("marbelisto");
    const QStringList folders = searchPath();
    const QString file = pluginFile(folders);
    if (file.isEmpty())
        throw toolkit::Error(toolkit::ErrCannotCreateObject,
                             QStringLiteral("No se encontró el componente de guías de despacho (%1) en ninguna de "
                                            "estas carpetas:\n%2\nIndique la carpeta del componente con la variable %3.")
                                 .arg(QLatin1String(VontarelisActivator_iid),
                                      QStringLiteral("  ") + folders.join(QStringLiteral("\n  ")),
                                      QLatin1String(DirectoryVariable)),
                             source);
    QPluginLoader loader(file);
    auto *activator = qobject_cast<host::IActivator *>(loader.instance());
    if (!activator)
        throw toolkit::Error(toolkit::ErrCannotCreateObject,
                             QStringLiteral("No se pudo cargar el componente de guías de despacho «%1»: %2")
                                 .arg(loader.fileName(), loader.errorString()),
                             source);
    return *activator;
}

void ActivatorLoader::release()
{
    const QString file = pluginFile(searchPath());
    if (file.isEmpty())
        return;
    QPluginLoader loader(file);
    // Only an instance that exists is deleted; asking a library nobody loaded would load it.
    if (loader.isLoaded())
        delete loader.instance();
}

} // namespace marbelisto
