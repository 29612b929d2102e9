#pragma once

#include <QString>

namespace host {

// The host's text-input box ("InputBoxEx").
class IInputBox
{
public:
    virtual ~IInputBox() = default;

    // The text typed, or an empty text when the user left it blank or cancelled. width is in
    // twips; password hides what is typed; maxLength caps the text.
    virtual QString GetText(const QString &title, const QString &caption, const QString &prompt,
                            qint16 width, bool password, qint16 maxLength, const QString &defaultText) = 0;
};

} // namespace host
