#pragma once

#include <QString>

#include <stdexcept>

namespace toolkit {

// Error numbers of the original runtime that callers and reports rely on.
enum ErrorNumber : qint32 {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrInvalidNull = 94,
    ErrCannotCreateObject = 429,
    ErrNoCurrentRecord = 3021,
    ErrItemNotFound = 3265,
    // The database cannot be reached for now (server stopped, network down); trying again later may work.
    ErrNoConnection = 3709,
    ErrDatabase = -2147467259,
    ErrScript = 1000,
};

// An error travelling from where it is raised to the handler that reports it: the number, the
// description a user reads, where it came from and, kept apart from the description, what a
// server or library said in its own words, for whoever looks closer.
class Error : public std::runtime_error
{
public:
    Error(qint32 number, const QString &description, const QString &source = QString(),
          const QString &details = QString());

    qint32 number() const { return m_number; }
    QString description() const { return m_description; }
    QString source() const { return m_source; }
    QString details() const { return m_details; }

private:
    qint32 m_number;
    QString m_description;
    QString m_source;
    QString m_details;
};

} // namespace toolkit
