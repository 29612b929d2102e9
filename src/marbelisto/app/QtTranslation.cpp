#include "marbelisto/app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace marbelisto {

bool QtTranslation::install(QCoreApplication &application, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>(&application);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace marbelisto
