#pragma once

#include "vontarelis/host/IDocument.h"

#include <QString>
#include <QVariant>

class QJSEngine;
class QJSValue;

namespace marbelisto {

// A site's print-variable scripts. For the extension file the component names
// ("evGuiaDespacho.vbs") it runs the JavaScript file with the same base name in the data folder
// ("evGuiaDespacho.js"). The script defines
//     function EvalVar(doc, name)
// that returns { value: ..., text: ... } to answer the variable, or undefined to let the
// document answer it; doc holds the document's fields, read-only.
class ScriptExtension
{
public:
    explicit ScriptExtension(QString dataPath);

    // True when the script answered; then both outputs are set. No script file, or a script
    // without EvalVar, answers nothing. A script error raises a toolkit::Error naming the file
    // and the line.
    bool ExtendEval(const host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                    QVariant &vRetBuffer, QVariant &sRetString) const;

private:
    QString scriptPath(const QString &scriptFile) const;
    static QJSValue documentObject(QJSEngine &engine, const host::IDocument &document);
    [[noreturn]] static void raise(const QString &path, const QJSValue &error);
    [[noreturn]] static void raise(const QString &path, const QString &message);

    QString m_dataPath;
};

} // namespace marbelisto
