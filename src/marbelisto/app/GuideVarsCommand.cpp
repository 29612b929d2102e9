#include "marbelisto/app/GuideVarsCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/app/StoredGuide.h"

#include "toolkit/VariantConvert.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace marbelisto {

QString GuideVarsCommand::name() const
{
    return QStringLiteral("guide-vars");
}

QString GuideVarsCommand::description() const
{
    return QStringLiteral("guide-vars N NOMBRE...: el texto de cada variable de impresión de la guía N.");
}

QList<QCommandLineOption> GuideVarsCommand::options() const
{
    return {};
}

bool GuideVarsCommand::takesArguments() const
{
    return true;
}

bool GuideVarsCommand::needsWindows() const
{
    return false;
}

int GuideVarsCommand::run(const CommandContext &context)
{
    const QStringList arguments = context.parser().positionalArguments().mid(1);
    if (arguments.size() < 2)
        throw UsageError(QStringLiteral("Uso: marbelisto --data DIR guide-vars N NOMBRE..."));
    const StoredGuide stored(context, arguments.first());
    QTextStream &out = context.out();
    for (const QString &variable : arguments.mid(1)) {
        QVariant value;
        QVariant text;
        if (!stored.guide().EvalVar(variable, value, text)) {
            out << variable << QStringLiteral("\tsin valor\n");
            continue;
        }
        // A scalar read without a row may answer a database NULL: it prints as nothing.
        out << variable << u'\t' << (toolkit::isNull(text) ? QString() : toolkit::toText(text)) << u'\n';
    }
    out.flush();
    return 0;
}

} // namespace marbelisto
