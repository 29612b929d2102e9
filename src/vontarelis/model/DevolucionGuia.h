#pragma once

#include "vontarelis/host/IDocument.h"

#include <QList>
#include <QString>

#include <memory>

namespace vontarelis {

// An invoice a review returned, as the guide prints it below its lines: the list "DEVOLUCIONES"
// of a format, whose block knows REFERENCIA, CLIENTE and MOTIVO.
class DevolucionGuia : public host::IDocument
{
public:
    DevolucionGuia(QString referencia, QString cliente, QString motivo);

    // The guide's returns, oldest invoice first as the review lists them.
    static QList<std::shared_ptr<host::IDocument>> ofGuide(qint32 idGuia);

    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QVariantMap documentFields() const override;

private:
    QString m_referencia;
    QString m_cliente;
    QString m_motivo;
};

} // namespace vontarelis
