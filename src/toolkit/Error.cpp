#include "toolkit/Error.h"

namespace toolkit {

Error::Error(qint32 number, const QString &description, const QString &source, const QString &details)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
    , m_details(details)
{
}

} // namespace toolkit
