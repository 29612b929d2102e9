#include "marbelisto/app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace marbelisto {

void QtTranslation::install(QCoreApplication &application, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>(&application);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator.release());
}

} // namespace marbelisto
