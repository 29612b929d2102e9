#include "marbelisto/app/GuideLinesCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/app/StoredGuide.h"


#include <QCommandLineParser>
#include <QTextStream>

namespace marbelisto {

QString GuideLinesCommand::name() const
{
    return QStringLiteral("guide-lines");
}

QString GuideLinesCommand::description() const
{
    return QStringLiteral("guide-lines N: las líneas de la guía N (código, descripción, unidades, peso total).");
}

QList<QCommandLineOption> GuideLinesCommand::options() const
{
    return {};
}

bool GuideLinesCommand::takesArguments() const
{
    return true;
}

bool GuideLinesCommand::needsWindows() const
{
    return false;
}

int GuideLinesCommand::run(const CommandContext &context)
{
    const QStringList arguments = context.parser().positionalArguments().mid(1);
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("Uso: marbelisto --data DIR guide-lines N"));
    const StoredGuide stored(context, arguments.first());
    QTextStream &out = context.out();
    const auto lines = stored.guide().detalles();
    // Fifteen significant digits: what the figures mean, without the noise of binary sums.
    const auto number = [](double value) { return QString::number(value, 'g', 15); };
    for (const auto &line : *lines) {
        out << line->codigoItem() << u'\t' << line->descripcion() << u'\t' << number(line->unidades()) << u'\t'
            << number(line->peso()) << u'\n';
    }
    out.flush();
    return 0;
}

} // namespace marbelisto
