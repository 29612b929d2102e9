// An .ini file and what is asked of it: "section\nkey\nthe file's text". Any file answers any
// question; a key given in the file's first section is the answer, whatever the file says after.
#include "FuzzInput.h"

#include "vontarelis/data/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// A name as it can stand in an .ini line: no line breaks or other blanks than spaces, none at the ends.
QString iniName(const QString &text, QChar forbidden)
{
    QString name;
    for (const QChar c : text) {
        if (c == u' ' || (!c.isSpace() && c.isPrint() && c != forbidden))
            name += c;
    }
    return name.trimmed();
}

QString write(const QString &content)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("QRN.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fuzz::fail("the .ini file is written", path);
    file.write(content.toUtf8());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList input = fuzz::parts(fuzz::text(data, size), 3);
    const QString &section = input.at(0);
    const QString &key = input.at(1);
    vontarelis::IniFile::readString(write(input.at(2)), section, key, QStringLiteral("predeterminado"));

    const QString name = iniName(section, u']');
    const QString keyName = iniName(key, u'=');
    if (name.isEmpty() || keyName.isEmpty() || keyName.startsWith(u';') || keyName.startsWith(u'['))
        return 0;
    const QString path = write(QStringLiteral("[%1]\n%2 = \"primero\"\n").arg(name, keyName) + input.at(2));
    const QString value = vontarelis::IniFile::readString(path, name, keyName, QStringLiteral("predeterminado"));
    fuzz::check(value == QLatin1String("primero"), "the first key of a section wins",
                QStringLiteral("[%1] %2 read «%3»").arg(name, keyName, value));
    return 0;
}
