#pragma once

#include <vector>

namespace marbelisto {

// What the books keep for returns and for load by volume: the host's list of reasons an
// invoice comes back for, the reason each review recorded for an invoice it returned, each
// item's unit volume and each vehicle type's volume capacity. New books get them with the
// rest of the tables; older ones gain them on opening.
class ReturnsVolumeSchema
{
public:
    struct AddedColumn
    {
        const char *table;
        const char *column;
        const char *type;
    };

    struct AddedTable
    {
        const char *name;
        // With the engine's types still to be spelled.
        const char *statement;
    };

    static const std::vector<AddedTable> &tables();
    // Columns of tables that existed before; each is NULL (or its default) in older rows.
    static const std::vector<AddedColumn> &columns();
};

} // namespace marbelisto
