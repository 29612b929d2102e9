#pragma once

#include "vontarelis/host/IInputBox.h"

namespace marbelisto {

// The host's text-input box: a small modal dialog titled with the title, whose text names the
// caption and then the prompt. The width (twips) is the dialog's least width, the flag hides
// what is typed as a password does, and maxLength (when above 0) caps the text.
class InputBox : public host::IInputBox
{
public:
    QString GetText(const QString &title, const QString &caption, const QString &prompt, qint16 width,
                    bool password, qint16 maxLength, const QString &defaultText) override;
};

} // namespace marbelisto
