#include "tests/mib/formtables.h"

const std::vector<ServedTable>& HandMadeFormTables()
{
    // {"<form>: <table>", <descriptor table>, <list type>}, one line per table of a landed form.
    static const std::vector<ServedTable> tables = {};
    return tables;
}
