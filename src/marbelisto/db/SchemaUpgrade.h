#pragma once

namespace marbelisto {

class Database;

// Brings a database made by an earlier version of the host up to the current tables, one
// additive step at a time, each skipped when the database already has what it adds.
class SchemaUpgrade
{
public:
    // Raises with the engine's message when a step fails.
    static void apply(Database &database);
};

} // namespace marbelisto
