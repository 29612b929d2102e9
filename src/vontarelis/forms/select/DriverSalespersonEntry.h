#pragma once

#include <QString>

namespace toolkit {
class CodeLookupBox;
}

namespace vontarelis {

// Who: the driver (`conductor`) and the salesperson filter (`vendedor`), both people of the
// host's table Vendedores. Each box shows the code while it is edited and the person's name
// once the code was validated; the validated code is kept in the box's tag, and only the tag
// counts. An empty salesperson means no filter; a driver is required.
class DriverSalespersonEntry
{
public:
    DriverSalespersonEntry(toolkit::CodeLookupBox &conductor, toolkit::CodeLookupBox &vendedor);

    // Both boxes list Vendedores (F2), reporting a failing list with the given form's name.
    void configure(const QString &formName);

    void conductorEntered();
    bool conductorValidate();
    void vendedorEntered();
    bool vendedorValidate();

    QString codigoConductor() const;
    QString codigoVendedor() const;
    void clearConductor();
    void clearVendedor();

private:
    toolkit::CodeLookupBox &m_conductor;
    toolkit::CodeLookupBox &m_vendedor;
};

} // namespace vontarelis
