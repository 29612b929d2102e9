#pragma once

#include <QLocale>

namespace testsupport {

// Sets the default locale for one test and puts the previous one back.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_previous); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_previous;
};

} // namespace testsupport
