#pragma once
// The solver's table port: the computer players and the coach read their choices from it.

#include "strategy/value_table.h"

namespace yacht {

// Where the engine finds the table of expected scores. It is built in the background while the
// game starts, so it may not be there yet; asking never waits.
class TableSource {
public:
    virtual ~TableSource() = default;
    // The table once it is built, or null until then.
    virtual const strategy::ValueTable* ready() = 0;
};

}  // namespace yacht
