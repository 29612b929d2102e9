#pragma once

#include "vontarelis/model/ForwardingFramework.h"

#include <QHash>
#include <QStringList>

namespace modeltest {

// The real framework with a site script made of a table: names in the table are answered
// (value and text), every other name passes. Records the script file each call named.
class ScriptTableFramework : public ForwardingFramework
{
public:
    using ForwardingFramework::ForwardingFramework;

    void answer(const QString &name, const QVariant &value, const QVariant &text) { m_answers.insert(name, {value, text}); }

    bool ExtendEval(host::IDocument &, const QString &scriptFile, const QVariant &sVarId, QVariant &vRetBuffer,
                    QVariant &sRetString) override
    {
        scriptFiles.append(scriptFile);
        const auto found = m_answers.constFind(sVarId.toString());
        if (found == m_answers.cend())
            return false;
        vRetBuffer = found->first;
        sRetString = found->second;
        return true;
    }

    QStringList scriptFiles;

private:
    QHash<QString, std::pair<QVariant, QVariant>> m_answers;
};

} // namespace modeltest
