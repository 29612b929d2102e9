#include "vontarelis/ui/GEDFormCallbacks.h"

#include <QMetaMethod>
#include <QVariant>

#include <vector>

namespace vontarelis {

namespace {

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::LongLong:
        return true;
    default:
        return false;
    }
}

bool takesIntegers(const QMetaMethod &method)
{
    for (int i = 0; i < method.parameterCount(); ++i) {
        if (!isIntegerType(method.parameterType(i)))
            return false;
    }
    return true;
}

} // namespace

bool GEDFormCallbacks::ask(const char *name, std::initializer_list<qint32> arguments) const
{
    if (!m_form)
        return true;
    const QMetaObject *meta = m_form->metaObject();
    const auto count = int(arguments.size());
    QMetaMethod method;
    bool sameNameFound = false;
    for (int i = 0; i < meta->methodCount() && !method.isValid(); ++i) {
        const QMetaMethod candidate = meta->method(i);
        if (candidate.name() != name || candidate.parameterCount() != count)
            continue;
        sameNameFound = true;
        if (takesIntegers(candidate))
            method = candidate;
    }
    if (!method.isValid()) {
        if (sameNameFound)
            warnOnce(name);
        return true;
    }

    // Each value in the very type the handler declares.
    std::vector<QVariant> values;
    for (int i = 0; i < count; ++i) {
        QVariant value(arguments.begin()[i]);
        value.convert(method.parameterMetaType(i));
        values.push_back(value);
    }
    const auto argument = [&values](std::size_t i) {
        return i < values.size() ? QGenericArgument(values[i].typeName(), values[i].constData()) : QGenericArgument();
    };
    const bool answers = method.returnType() == QMetaType::Bool;
    bool answer = true;
    bool called = false;
    try {
        called = answers ? method.invoke(m_form, Qt::DirectConnection, Q_RETURN_ARG(bool, answer), argument(0), argument(1))
                         : method.invoke(m_form, Qt::DirectConnection, argument(0), argument(1));
    } catch (...) {
        return true;
    }
    return !called || !answers || answer;
}

void GEDFormCallbacks::warnOnce(const QByteArray &name) const
{
    if (!m_warned.insert(name).second)
        return;
    qWarning("%s::%s takes no integer row and column, so the grid editor never asks it",
             m_form->metaObject()->className(), name.constData());
}

} // namespace vontarelis
