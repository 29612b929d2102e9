#pragma once

#include "vontarelis/host/ITheme.h"

#include <QFont>
#include <QPalette>

namespace marbelisto {

// The host's look: a calm blue-grey palette and one font size on every form, so the
// component's dialogs look like the rest of the application.
class Tema : public host::ITheme
{
public:
    static constexpr int PointSize = 9;

    void configurarFormulario(QWidget *form) override;

    QPalette palette() const;
    // The form's own family at the theme's size.
    QFont font(const QFont &base) const;
};

} // namespace marbelisto
