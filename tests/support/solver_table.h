#pragma once
// The solver's whole table for tests, built once per test program, behind a source that a test
// can hold back to play the moments before the table is ready.

#include "engine/table_source.h"
#include "strategy/value_table.h"

namespace yacht::test {

// The table from the empty card, built on first use.
const strategy::ValueTable& wholeTable();

// A table source whose readiness the test decides, counting how often the game asked for it.
class HeldTableSource : public TableSource {
public:
    bool isReady = true;
    int asks = 0;
    const strategy::ValueTable* ready() override
    {
        ++asks;
        return isReady ? &wholeTable() : nullptr;
    }
};

}  // namespace yacht::test
