#pragma once

#include "vontarelis/host/IInputBox.h"

namespace marbelisto {

// The host's text-input box: a modal QInputDialog. The caption heads the prompt, the width
// (twips) is the dialog's least width, multiLine gives a text area, and maxLength (when
// above 0) caps the text.
class InputBox : public host::IInputBox
{
public:
    QString GetText(const QString &title, const QString &caption, const QString &prompt, qint16 width,
                    bool multiLine, qint16 maxLength, const QString &defaultText) override;
};

} // namespace marbelisto
