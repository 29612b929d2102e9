#pragma once

#include <QObject>
#include <QString>

namespace host {
class IFramework;
}

namespace marbelisto {

// What a site script calls to write a number as the document writes its own:
//     formatear(valor, mascara)   the text of valor with the mask, in the print's locale
//     mascaras.monetarios, mascaras.precios, mascaras.cantidades   the company's masks
//     mascaras.peso               "#,##0.000", the mask of the guide's kilograms
// The company's masks are read when the script asks for them.
class ScriptNumbers : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString monetarios READ monetarios)
    Q_PROPERTY(QString precios READ precios)
    Q_PROPERTY(QString cantidades READ cantidades)
    Q_PROPERTY(QString peso READ peso)

public:
    ScriptNumbers(host::IFramework &framework, QObject *parent);

    Q_INVOKABLE QString formatear(double valor, const QString &mascara) const;

    QString monetarios() const;
    QString precios() const;
    QString cantidades() const;
    QString peso() const;

private:
    host::IFramework &m_framework;
};

} // namespace marbelisto
