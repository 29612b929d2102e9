#include "marbelisto/ScriptExtension.h"

#include "marbelisto/ScriptNumbers.h"

#include "toolkit/Currency.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QJSValue>

namespace marbelisto {

namespace {

const QString functionName = QStringLiteral("EvalVar");

// Scripts compute with plain numbers; money leaves the component as its exact decimal value.
QVariant scriptValue(const QVariant &field)
{
    if (field.metaType() == QMetaType::fromType<toolkit::Currency>())
        return field.value<toolkit::Currency>().toDouble();
    return field;
}

} // namespace

ScriptExtension::ScriptExtension(QString dataPath, host::IFramework &framework)
    : m_dataPath(std::move(dataPath)), m_framework(framework)
{
}

ScriptExtension::~ScriptExtension() = default;

bool ScriptExtension::ExtendEval(const host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                                 QVariant &vRetBuffer, QVariant &sRetString)
{
    const QString path = scriptPath(scriptFile);
    Script *loaded = script(path);
    if (!loaded || !loaded->evalVar.isCallable())
        return false;

    QJSEngine &engine = *loaded->engine;
    const QJSValue answer = loaded->evalVar.call({documentObject(engine, document), toolkit::toText(sVarId)});
    if (engine.hasError())
        raise(path, engine.catchError());
    if (answer.isError())
        raise(path, answer);
    if (answer.isUndefined() || answer.isNull())
        return false;
    if (!answer.isObject())
        raise(path, QStringLiteral("%1 debe devolver { value, text } o undefined").arg(functionName));

    const QJSValue value = answer.property(QStringLiteral("value"));
    const QJSValue text = answer.property(QStringLiteral("text"));
    vRetBuffer = value.toVariant();
    sRetString = text.isUndefined() ? value.toString() : text.toString();
    return true;
}

ScriptExtension::Script *ScriptExtension::script(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        m_scripts.erase(path);
        return nullptr;
    }
    Script &cached = m_scripts[path];
    if (cached.engine && cached.modified == info.lastModified() && cached.size == info.size())
        return &cached;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_scripts.erase(path);
        raise(path, file.errorString());
    }
    auto engine = std::make_unique<QJSEngine>();
    engine->installExtensions(QJSEngine::ConsoleExtension);
    const QJSValue numbers = engine->newQObject(new ScriptNumbers(m_framework, engine.get()));
    engine->globalObject().setProperty(QStringLiteral("mascaras"), numbers);
    engine->globalObject().setProperty(QStringLiteral("formatear"), numbers.property(QStringLiteral("formatear")));
    const QJSValue result = engine->evaluate(QString::fromUtf8(file.readAll()), path, 1);
    if (result.isError()) {
        m_scripts.erase(path);
        raise(path, result);
    }
    cached.evalVar = engine->globalObject().property(functionName);
    cached.engine = std::move(engine);
    cached.modified = info.lastModified();
    cached.size = info.size();
    return &cached;
}

QString ScriptExtension::scriptPath(const QString &scriptFile) const
{
    return QDir(m_dataPath).filePath(QFileInfo(scriptFile).completeBaseName() + QStringLiteral(".js"));
}

QJSValue ScriptExtension::documentObject(QJSEngine &engine, const host::IDocument &document)
{
    QJSValue doc = engine.newObject();
    const QVariantMap fields = document.documentFields();
    for (auto field = fields.cbegin(); field != fields.cend(); ++field)
        doc.setProperty(field.key(), engine.toScriptValue(scriptValue(field.value())));
    // The script sees the document; it does not change it.
    return engine.globalObject().property(QStringLiteral("Object")).property(QStringLiteral("freeze")).call({doc});
}

void ScriptExtension::raise(const QString &path, const QJSValue &error)
{
    const QString fileName = QFileInfo(path).fileName();
    const int line = error.property(QStringLiteral("lineNumber")).toInt();
    throw toolkit::Error(toolkit::ErrScript,
                         QStringLiteral("%1, línea %2: %3").arg(fileName).arg(line).arg(error.toString()),
                         QStringLiteral("ScriptExtension"));
}

void ScriptExtension::raise(const QString &path, const QString &message)
{
    throw toolkit::Error(toolkit::ErrScript, QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), message),
                         QStringLiteral("ScriptExtension"));
}

} // namespace marbelisto
