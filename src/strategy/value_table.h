#pragma once
// The expected score still to come under optimal solitaire play, for every position between
// turns: the table every decision of the strong player and the coach is read from.

#include <vector>

#include "strategy/position.h"

namespace yacht::strategy {

// Values by filled categories, Yacht flag and upper subtotal. Built for the positions that can
// follow a base position (every position when the base is the empty card).
class ValueTable {
public:
    ValueTable();

    // The expected points still to come from this position, with optimal play; 0 once the
    // card is full. Only positions that can follow the base are covered.
    double at(const Position& p) const;
    bool covers(const Position& p) const { return (p.filled & base_) == base_; }
    FilledMask base() const { return base_; }

    // The values of one filled set and Yacht flag, by upper subtotal 0..63.
    const double* row(FilledMask filled, bool yachtHolds50) const;
    double* row(FilledMask filled, bool yachtHolds50);

    void setBase(FilledMask base) { base_ = base; }

    // Every value, for the cache file.
    const std::vector<double>& values() const { return values_; }
    std::vector<double>& values() { return values_; }

private:
    FilledMask base_ = 0;
    std::vector<double> values_;
};

// Which compiled copy of the solver's kernel builds the table: the widest vectors this processor
// has, or a narrower copy, so the benchmarks and the tests can set them side by side. Every copy
// gives the same values to the last bit.
enum class InstructionSet { Widest, Avx512, Avx2, Plain };

// Whether this processor, in this build, runs that copy (a set it cannot run builds with Plain).
bool canRun(InstructionSet set);

// Builds the table on this many threads (0: one per core), from the empty card or from a base
// of filled categories (a small table: only the positions that follow it).
ValueTable buildValueTable(int threads = 0, FilledMask base = 0, InstructionSet set = InstructionSet::Widest);

// The number of positions between turns that a game can reach (the filled sets, with each
// upper subtotal some scores can make and, once Yacht is filled, both Yacht flags).
long reachablePositions();

}  // namespace yacht::strategy
