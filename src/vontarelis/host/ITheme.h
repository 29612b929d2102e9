#pragma once

class QWidget;

namespace host {

// The host's visual theme ("TemaUI").
class ITheme
{
public:
    virtual ~ITheme() = default;

    virtual void configurarFormulario(QWidget *form) = 0;
};

} // namespace host
