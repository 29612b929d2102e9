#pragma once

#include <QString>

namespace vontarelis {

// Kilograms and cubic metres, wherever the component shows or prints them, with three decimals.
inline const QString MascaraPeso = QStringLiteral("#,##0.000");
inline const QString MascaraVolumen = MascaraPeso;

} // namespace vontarelis
