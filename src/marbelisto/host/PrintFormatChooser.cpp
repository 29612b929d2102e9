#include "marbelisto/host/PrintFormatChooser.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <QDir>
#include <QFileInfo>

namespace marbelisto {

PrintFormatChooser::PrintFormatChooser(host::IFramework &framework, const DataFolder &folder)
    : m_framework(framework), m_folder(folder)
{
}

QString PrintFormatChooser::choose(const QString &formatKey, const QString &formatsKey,
                                   const QString &defaultFile) const
{
    if (const QString chosen = present(setting(formatKey)); !chosen.isEmpty())
        return chosen;
    for (const QString &name : setting(formatsKey).split(u';', Qt::SkipEmptyParts)) {
        if (const QString chosen = present(name); !chosen.isEmpty())
            return chosen;
    }
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

// The full path of the named file when it exists, else an empty text.
QString PrintFormatChooser::present(const QString &name) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString path = QDir::isAbsolutePath(trimmed) ? trimmed : m_folder.file(trimmed);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace marbelisto
