#include "app/solver_figures.h"

#include <chrono>
#include <cstdio>

#include "strategy/solitaire.h"
#include "strategy/value_table.h"

namespace yacht {

int printSolverFigures(const Options& options, std::ostream& out)
{
    using namespace strategy;
    const auto started = std::chrono::steady_clock::now();
    const ValueTable table = buildValueTable();
    const auto built = std::chrono::steady_clock::now();
    char line[128];
    if (options.optimum) {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(built - started).count();
        std::snprintf(line, sizeof line, "optimal expected score %.4f (table %lld ms)\n", table.at({}),
                      static_cast<long long>(ms));
        out << line;
    }
    if (options.simulate) {
        const uint64_t seed = options.seed.value_or(
            static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
        const Strength strength = options.simulateStrength == "casual" ? Strength::Casual : Strength::Strong;
        const SimulationFigures f = simulateGames(table, strength, options.simulateGames, seed);
        std::snprintf(line, sizeof line, "mean %.4f sd %.4f games %ld\n", f.mean, f.sd, f.games);
        out << line;
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace yacht
