#pragma once

#include <QString>

namespace toolkit {
class CodeLookupBox;
}

namespace vontarelis {

// Who: the driver (`conductor`) and the salesperson filter (`vendedor`), both people of the
// host's table Vendedores. Each box shows the code while it is edited and the person's name
// once the code was validated; the validated code is kept in the box's tag, and only the tag
// counts. An empty salesperson means no filter; a driver is required. The box's length limit
// holds for the code being typed, never for the name shown.
class DriverSalespersonEntry
{
public:
    DriverSalespersonEntry(toolkit::CodeLookupBox &conductor, toolkit::CodeLookupBox &vendedor);

    // Both boxes list Vendedores (F2), the driver's only its drivers, reporting a failing list
    // with the given form's name.
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
    void editCode(toolkit::CodeLookupBox &box) const;

    toolkit::CodeLookupBox &m_conductor;
    toolkit::CodeLookupBox &m_vendedor;
    int m_largoCodigo;
};

} // namespace vontarelis
