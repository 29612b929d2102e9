#pragma once

class QCoreApplication;
class QLocale;

namespace marbelisto {

// Qt's own texts (the buttons of a question, the print dialog and its preview) in the user's
// language, from the translations the system's Qt installed.
class QtTranslation
{
public:
    // False when the system has no translation of Qt for that locale: Qt then speaks English.
    static bool install(QCoreApplication &application, const QLocale &locale);
};

} // namespace marbelisto
