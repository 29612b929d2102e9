#pragma once

#include "marbelisto/host/DataFolder.h"

namespace host {
class IFramework;
}

namespace marbelisto {

// Which print format a kind of document uses. A site names it in the settings table
// Configuracion: under formatKey one file, under formatsKey a list of files separated by
// ';' of which the first present one counts. Names are files of the data folder (or full
// paths). A named file that is not there is passed over, and without any the default is used.
class PrintFormatChooser
{
public:
    PrintFormatChooser(host::IFramework &framework, const DataFolder &folder);

    QString choose(const QString &formatKey, const QString &formatsKey, const QString &defaultFile) const;

private:
    QString setting(const QString &key) const;
    QString present(const QString &name) const;

    host::IFramework &m_framework;
    const DataFolder &m_folder;
};

} // namespace marbelisto
