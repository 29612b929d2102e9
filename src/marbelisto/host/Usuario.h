#pragma once

#include "vontarelis/host/IUser.h"

namespace marbelisto {

// The signed-in user.
class Usuario : public host::IUser
{
public:
    // The code given on the command line, else the variable MARBELISTO_USER, else the name of
    // the account the process runs as. Never empty: throws toolkit::Error when even the
    // account has no name.
    static QString signedIn(const QString &commandLineCode);

    explicit Usuario(const QString &codigo) : m_codigo(codigo) {}

    QString codigo() const override { return m_codigo; }

private:
    QString m_codigo;
};

} // namespace marbelisto
