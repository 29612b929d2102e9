#include "marbelisto/app/ConfigCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/host/Framework.h"

#include "toolkit/VariantConvert.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace marbelisto {

namespace {

struct SettingKey
{
    QString name;
    QString meaning;
};

// The keys the host reads, spelled as the README writes them.
QList<SettingKey> knownKeys()
{
    return {
        {QStringLiteral("Impresora"),
         QStringLiteral("impresora por su nombre, o carpeta de PDF si es una ruta absoluta o empieza por ./ o ~/; "
                        "vacía: la impresora predeterminada")},
        {QStringLiteral("FormatoGuiaDespacho"),
         QStringLiteral("archivo de la carpeta de datos con el formato de la guía")},
        {QStringLiteral("FormatosGuiaDespacho"),
         QStringLiteral("formatos de la guía para elegir al imprimir, separados por «;»")},
        {QStringLiteral("FormatoHojaDeRuta"),
         QStringLiteral("archivo de la carpeta de datos con el formato de la hoja de ruta")},
        {QStringLiteral("FormatosHojaDeRuta"),
         QStringLiteral("formatos de la hoja de ruta para elegir al imprimir, separados por «;»")},
    };
}

QString canonicalKey(const QString &given)
{
    for (const SettingKey &key : knownKeys()) {
        if (key.name.compare(given, Qt::CaseInsensitive) == 0)
            return key.name;
    }
    QStringList names;
    for (const SettingKey &key : knownKeys())
        names.append(key.name);
    throw UsageError(QStringLiteral("clave desconocida «%1»; las claves son: %2").arg(given, names.join(QStringLiteral(", "))));
}

QString readValue(Framework &framework, const QString &key)
{
    const QVariant value =
        framework.ReadScalarA(QStringLiteral("SELECT valor FROM Configuracion WHERE UPPER(clave) = UPPER(?)"), {key});
    return toolkit::isNull(value) ? QString() : toolkit::toText(value);
}

void writeValue(Framework &framework, const QString &key, const QString &value)
{
    framework.StartTransaction();
    try {
        framework.ExecuteSQLA(QStringLiteral("DELETE FROM Configuracion WHERE UPPER(clave) = UPPER(?)"), {key});
        if (!value.isEmpty())
            framework.ExecuteSQLA(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES (?, ?)"), {key, value});
        framework.CommitTransaction();
    } catch (...) {
        framework.AbortTransaction();
        throw;
    }
}

} // namespace

QString ConfigCommand::name() const
{
    return QStringLiteral("config");
}

QString ConfigCommand::description() const
{
    return QStringLiteral("config [CLAVE [VALOR]]: lista la configuración, muestra una clave o le da un valor "
                          "(vacío: la borra).");
}

QList<QCommandLineOption> ConfigCommand::options() const
{
    return {};
}

bool ConfigCommand::takesArguments() const
{
    return true;
}

bool ConfigCommand::needsWindows() const
{
    return false;
}

int ConfigCommand::run(const CommandContext &context)
{
    const QStringList arguments = context.parser().positionalArguments().mid(1);
    if (arguments.size() > 2)
        throw UsageError(QStringLiteral("Uso: marbelisto [--data DIR | --db URL] config [CLAVE [VALOR]]"));
    const QString key = arguments.isEmpty() ? QString() : canonicalKey(arguments.first());
    const std::unique_ptr<Framework> framework = context.openFramework();
    QTextStream &out = context.out();
    if (arguments.size() == 2)
        writeValue(*framework, key, arguments.at(1));
    if (!key.isEmpty()) {
        out << readValue(*framework, key) << u'\n';
    } else {
        for (const SettingKey &known : knownKeys())
            out << QStringLiteral("%1=%2\t# %3\n").arg(known.name, readValue(*framework, known.name), known.meaning);
    }
    out.flush();
    return 0;
}

} // namespace marbelisto
