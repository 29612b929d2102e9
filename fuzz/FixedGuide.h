#pragma once

#include "vontarelis/host/IPrintableDocument.h"

#include <QVariantMap>

#include <memory>

namespace fuzz {

// A document answering from a fixed table of variables, the way a guide answers its print.
class FixedDocument : public host::IDocument
{
public:
    explicit FixedDocument(QVariantMap values) : m_values(std::move(values)) {}

    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override
    {
        const QString name = sVarId.toString().toUpper();
        if (!m_values.contains(name))
            return false;
        vRetBuffer = m_values.value(name);
        sRetString = m_values.value(name).toString();
        return true;
    }
    QVariantMap documentFields() const override { return m_values; }

private:
    QVariantMap m_values;
};

// A guide of three lines, one of them with a description longer than any column.
class FixedGuide : public host::IPrintableDocument
{
public:
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override
    {
        return m_header.EvalVar(sVarId, vRetBuffer, sRetString);
    }
    QVariantMap documentFields() const override { return m_header.documentFields(); }
    QString TipoEntidad() const override { return QStringLiteral("GuiaDespacho"); }
    host::IFramework *Factoria() const override { return nullptr; }
    QString NombreArchivoFormato() override { return {}; }
    QList<std::shared_ptr<host::IDocument>> documentLines() override { return m_lines; }
    // Lists that a site's format may name: one return, so that a list block prints.
    QList<std::shared_ptr<host::IDocument>> documentList(const QString &name) override
    {
        if (name.compare(QLatin1String("DEVOLUCIONES"), Qt::CaseInsensitive) != 0)
            return {};
        return {std::make_shared<FixedDocument>(QVariantMap{{QStringLiteral("REFERENCIA"), QStringLiteral("A-000010")},
                                                            {QStringLiteral("CLIENTE"), QStringLiteral("Licorería La Pastora")},
                                                            {QStringLiteral("MOTIVO"), QStringLiteral("Mercancía dañada")}})};
    }

private:
    FixedDocument m_header{{
        {QStringLiteral("EMPRESA"), QStringLiteral("Distribuidora Los Andes, C.A.")},
        {QStringLiteral("RIF"), QStringLiteral("J-12345678-9")},
        {QStringLiteral("NUMERO"), QStringLiteral("000042")},
        {QStringLiteral("FECHA"), QStringLiteral("04/12/2026")},
        {QStringLiteral("CONDUCTOR"), QStringLiteral("C001")},
        {QStringLiteral("NOMBRE_CONDUCTOR"), QStringLiteral("José Gregorio Hernández de la Santísima Trinidad")},
        {QStringLiteral("PLACAS"), QStringLiteral("AB123CD")},
        {QStringLiteral("FACTURAS"), QStringLiteral("3")},
        {QStringLiteral("PESO"), QStringLiteral("1.234,567")},
        {QStringLiteral("TOTALGENERAL"), QStringLiteral("15.300,00")},
    }};
    QList<std::shared_ptr<host::IDocument>> m_lines{
        std::make_shared<FixedDocument>(QVariantMap{{QStringLiteral("CODIGO"), QStringLiteral("A-001")},
                                                    {QStringLiteral("DESCRIPCION"), QStringLiteral("Harina")},
                                                    {QStringLiteral("CANTIDAD"), QStringLiteral("10")}}),
        std::make_shared<FixedDocument>(QVariantMap{
            {QStringLiteral("CODIGO"), QStringLiteral("B-7")},
            {QStringLiteral("DESCRIPCION"),
             QStringLiteral("Aceite vegetal comestible en envase de plástico retornable de cinco litros, caja de seis")},
            {QStringLiteral("CANTIDAD"), QStringLiteral("2")}}),
        std::make_shared<FixedDocument>(QVariantMap{{QStringLiteral("CODIGO"), QStringLiteral("C")}}),
    };
};

} // namespace fuzz
