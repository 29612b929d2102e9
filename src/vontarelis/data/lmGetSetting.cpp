#include "vontarelis/data/lmGetSetting.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/IniFile.h"
#include "vontarelis/data/UserSettings.h"

#include <exception>

namespace vontarelis {

namespace {

// The classic reader fills a buffer of this many characters, terminator included.
constexpr qsizetype IniBufferSize = 1024;

} // namespace

QVariant GetIniSetting(const QString &application, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    QString value;
    try {
        const QString path = hostlibs::CommonUtilities().ResolveIniPath(application + QStringLiteral(".ini"), application);
        value = IniFile::readString(path, section, key, QString()).left(IniBufferSize - 1);
    } catch (const std::exception &) {
        // An unreadable .ini is as good as none: the store decides.
        value.clear();
    }
    if (value.isEmpty())
        return UserSettings::get(application, section, key, defaultValue);
    return value;
}

bool GetIniSettingBool(const QString &application, const QString &section, const QString &key, bool defaultValue)
{
    try {
        const QString defaultText = defaultValue ? QStringLiteral("True") : QStringLiteral("False");
        return toolkit::toBoolean(GetIniSetting(application, section, key, defaultText));
    } catch (const std::exception &) {
        return defaultValue;
    }
}

} // namespace vontarelis
