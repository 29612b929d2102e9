#pragma once

#include "vontarelis/host/IRecordset.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>

namespace host {

class IDocument;
class IHostObject;
class IInputBox;
class ITheme;

// The host framework object: database access, the object factory and the host's services.
// Every member raises toolkit::Error on failure; database errors carry the driver's message.
class IFramework
{
public:
    virtual ~IFramework() = default;

    // "Empresa", "usuario" or "Factura".
    virtual std::shared_ptr<IHostObject> CrearObjeto(const QString &className) = 0;

    virtual void StartTransaction() = 0;
    virtual void CommitTransaction() = 0;
    virtual void AbortTransaction() = 0;

    // One value per "?" of the statement, in order.
    virtual QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) = 0;
    virtual qint32 ExecuteSQLA(const QString &sql, const QVariantList &parameters) = 0;
    virtual std::unique_ptr<IRecordset> OpenRecordsetA(const QString &sql, const QVariantList &parameters) = 0;
    // The same read with the values written at the call: ReadScalar(sql, {a, b}).
    virtual QVariant ReadScalar(const QString &sql, const QVariantList &values) = 0;

    // The text as a quoted SQL string literal, safe to append to SQL.
    virtual QString StringDB(const QString &text) const = 0;

    virtual std::shared_ptr<ITheme> TemaUI() = 0;
    virtual std::shared_ptr<IInputBox> InputBoxEx() = 0;

    // True when a site script answered sVarId for the document.
    virtual bool ExtendEval(IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                            QVariant &vRetBuffer, QVariant &sRetString) = 0;

    // The data folder, ending in a path separator.
    virtual QString DataPath() const = 0;
    virtual QString DeterminarFormato(const QString &formatKey, const QString &formatsKey,
                                      const QString &defaultFile, IDocument &document) = 0;
    virtual void generarUsrReport(const QString &reportFile, const QString &parameterName,
                                  const QVariant &parameterValue) = 0;
};

} // namespace host
