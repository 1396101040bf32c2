#include "support/solver_table.h"

namespace yacht::test {

const strategy::ValueTable& wholeTable()
{
    static const strategy::ValueTable table = strategy::buildValueTable();
    return table;
}

}  // namespace yacht::test
