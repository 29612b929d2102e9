#include "marbelisto/host/PrintFormatChooser.h"

#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>

namespace marbelisto {

namespace {

const QString source = QStringLiteral("Marbelisto.DeterminarFormato");

} // namespace

PrintFormatChooser::PrintFormatChooser(host::IFramework &framework, const DataFolder &folder)
    : m_framework(framework), m_folder(folder)
{
}

QString PrintFormatChooser::choose(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                                   bool mayAskUser) const
{
    if (const QString one = setting(formatKey); !one.isEmpty())
        return existing(one);
    QStringList names;
    for (const QString &name : setting(formatsKey).split(u';', Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty())
            names.append(name.trimmed());
    }
    if (!names.isEmpty())
        return existing(mayAskUser && names.size() > 1 ? pick(names) : names.first());
    return defaultFile;
}

QString PrintFormatChooser::setting(const QString &key) const
{
    if (key.isEmpty())
        return {};
    const QVariant value = m_framework.ReadScalarA(
        QStringLiteral("SELECT valor FROM Configuracion WHERE UPPER(clave) = UPPER(?)"), {key});
    return toolkit::isNull(value) ? QString() : toolkit::toText(value).trimmed();
}

// The full path of the named file; raises naming it when it is not there.
QString PrintFormatChooser::existing(const QString &name) const
{
    const QString path = QDir::isAbsolutePath(name) ? name : m_folder.file(name);
    if (!QFileInfo(path).isFile())
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("No se encuentra el formato de impresión «%1» que indica la configuración")
                                 .arg(path),
                             source);
    return path;
}

QString PrintFormatChooser::pick(const QStringList &names)
{
    bool chosen = false;
    const QString name =
        QInputDialog::getItem(QApplication::activeWindow(), QStringLiteral("Formato de impresión"),
                              QStringLiteral("Elija el formato con que se imprime el documento:"), names, 0, false, &chosen);
    if (!chosen)
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("Impresión cancelada: no se eligió un formato de impresión"), source);
    return name;
}

} // namespace marbelisto
