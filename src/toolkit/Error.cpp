#include "toolkit/Error.h"

namespace toolkit {

Error::Error(qint32 number, const QString &description, const QString &source)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
{
}

} // namespace toolkit
