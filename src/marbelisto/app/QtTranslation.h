#pragma once

class QCoreApplication;
class QLocale;

namespace marbelisto {

// Qt's own texts (the buttons of a question, the print dialog and its preview) in the user's
// language, from the translations the system's Qt installed.
class QtTranslation
{
public:
    // Without a translation of Qt for that locale on the system, Qt goes on in English.
    static void install(QCoreApplication &application, const QLocale &locale);
};

} // namespace marbelisto
