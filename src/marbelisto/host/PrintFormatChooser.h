#pragma once

#include "marbelisto/host/DataFolder.h"

#include <QStringList>

namespace host {
class IFramework;
}

namespace marbelisto {

// Which print format a kind of document uses. A site names it in the settings table
// Configuracion: under formatKey the one file to use; otherwise under formatsKey several,
// separated by ';', of which the user picks one in a list when a print may ask, and the first
// counts when it may not; otherwise the default file. Names are files of the data folder (or
// full paths). A named file that is not there is an error naming it: a site that chose a
// format never gets another one silently.
class PrintFormatChooser
{
public:
    PrintFormatChooser(host::IFramework &framework, const DataFolder &folder);

    QString choose(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                   bool mayAskUser) const;

private:
    QString setting(const QString &key) const;
    QString existing(const QString &name) const;
    static QString pick(const QStringList &names);

    host::IFramework &m_framework;
    const DataFolder &m_folder;
};

} // namespace marbelisto
