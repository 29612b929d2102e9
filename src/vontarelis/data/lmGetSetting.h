#pragma once

#include <QString>
#include <QVariant>

// Settings read from the application's .ini file first and, where it has no value, from the
// per-user settings store.
namespace vontarelis {

QVariant GetIniSetting(const QString &application, const QString &section, const QString &key,
                       const QString &defaultValue);
bool GetIniSettingBool(const QString &application, const QString &section, const QString &key,
                       bool defaultValue);

} // namespace vontarelis
