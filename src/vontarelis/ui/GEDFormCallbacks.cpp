#include "vontarelis/ui/GEDFormCallbacks.h"

#include <QMetaMethod>

#include <exception>
#include <vector>

namespace vontarelis {

bool GEDFormCallbacks::ask(const char *name, std::initializer_list<qint32> arguments) const
{
    if (!m_form)
        return true;
    QByteArray signature(name);
    signature += '(';
    for (std::size_t i = 0; i < arguments.size(); ++i)
        signature += i == 0 ? "int" : ",int";
    signature += ')';
    const int index = m_form->metaObject()->indexOfMethod(signature.constData());
    if (index < 0)
        return true;
    const QMetaMethod method = m_form->metaObject()->method(index);
    const std::vector<qint32> values(arguments);
    const bool answers = method.returnType() == QMetaType::Bool;
    bool answer = true;
    bool called = false;
    try {
        if (values.size() == 1)
            called = answers ? method.invoke(m_form, Qt::DirectConnection, Q_RETURN_ARG(bool, answer), Q_ARG(int, values[0]))
                             : method.invoke(m_form, Qt::DirectConnection, Q_ARG(int, values[0]));
        else
            called = answers ? method.invoke(m_form, Qt::DirectConnection, Q_RETURN_ARG(bool, answer), Q_ARG(int, values[0]),
                                             Q_ARG(int, values[1]))
                             : method.invoke(m_form, Qt::DirectConnection, Q_ARG(int, values[0]), Q_ARG(int, values[1]));
    } catch (const std::exception &) {
        return true;
    }
    return !called || !answers || answer;
}

} // namespace vontarelis
