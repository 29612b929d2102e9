#pragma once

#include <QString>

namespace vontarelis {

// The per-user settings store, addressed by application, section and key; values are text.
// It lives under the user's configuration folder (XDG_CONFIG_HOME), readable by that user only.
class UserSettings
{
public:
    static QString get(const QString &application, const QString &section, const QString &key,
                       const QString &defaultValue);
    // Raises an error when the store cannot be written.
    static void save(const QString &application, const QString &section, const QString &key,
                     const QString &value);
};

} // namespace vontarelis
