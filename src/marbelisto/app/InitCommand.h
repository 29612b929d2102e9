#pragma once

#include "marbelisto/app/Command.h"
#include "marbelisto/app/DataTemplate.h"

#include <QDate>

#include <optional>

namespace marbelisto {

// "init": a new data folder with the database (schema, and the demo books with --demo)
// and the template files. The database is the data folder's SQLite file or, with --db, an
// empty PostgreSQL database. Never touches an existing one unless given --force, nor a folder
// other accounts may write in. What it creates only its owner can reach.
class InitCommand : public Command
{
public:
    // Without a template, data/ is looked for beside the program; without a date, the
    // demo books end today.
    explicit InitCommand(std::optional<DataTemplate> dataTemplate = std::nullopt,
                         std::optional<QDate> today = std::nullopt);

    QString name() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    bool takesArguments() const override;
    bool needsWindows() const override;
    int run(const CommandContext &context) override;

private:
    int invoiceCount(const CommandContext &context) const;

    std::optional<DataTemplate> m_template;
    std::optional<QDate> m_today;
};

} // namespace marbelisto
