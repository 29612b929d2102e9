#pragma once

#include "vontarelis/host/IDocument.h"

#include <QDateTime>
#include <QJSValue>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>

class QJSEngine;

namespace host {
class IFramework;
}

namespace marbelisto {

// A site's print-variable scripts. For the extension file the component names
// ("evGuiaDespacho.vbs") it runs the JavaScript file with the same base name in the data folder
// ("evGuiaDespacho.js"). The script defines
//     function EvalVar(doc, name)
// that returns { value: ..., text: ... } to answer the variable, or undefined to let the
// document answer it; doc holds the document's fields, read-only. The script writes numbers as
// the document does with formatear(valor, mascara) and the masks of mascaras (ScriptNumbers).
// A script is compiled once and kept while its file stays the same, so its top-level state
// lives as long as the host.
class ScriptExtension
{
public:
    // framework is the host's, kept for the company's masks; it outlives the extension.
    ScriptExtension(QString dataPath, host::IFramework &framework);
    ~ScriptExtension();
    ScriptExtension(const ScriptExtension &) = delete;
    ScriptExtension &operator=(const ScriptExtension &) = delete;

    // True when the script answered; then both outputs are set. No script file, or a script
    // without EvalVar, answers nothing. A script error raises a toolkit::Error naming the file
    // and the line.
    bool ExtendEval(const host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                    QVariant &vRetBuffer, QVariant &sRetString);

private:
    struct Script
    {
        QDateTime modified;
        qint64 size = -1;
        std::unique_ptr<QJSEngine> engine;
        QJSValue evalVar;
    };

    // The compiled script for the file, or nullptr when there is no file.
    Script *script(const QString &path);
    QString scriptPath(const QString &scriptFile) const;
    static QJSValue documentObject(QJSEngine &engine, const host::IDocument &document);
    [[noreturn]] static void raise(const QString &path, const QJSValue &error);
    [[noreturn]] static void raise(const QString &path, const QString &message);

    QString m_dataPath;
    host::IFramework &m_framework;
    std::map<QString, Script> m_scripts;
};

} // namespace marbelisto
