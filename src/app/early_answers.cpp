#include "app/early_answers.h"

#include <cstdlib>
#include <iostream>

#include "app/record_report.h"
#include "app/solver_figures.h"
#include "persist/sqlite_record.h"

namespace yacht {

std::optional<int> answerWithoutGame(const Options& options)
{
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.version) {
        std::cout << "yacht " << YACHT_VERSION << "\n";
        return 0;
    }
    // The solver's figures need no window: answered before the application exists.
    if (options.optimum || options.simulate) return printSolverFigures(options, std::cout);
    // The record is read the same way: no window, and never in the way of a game that writes it.
    if (options.record || !options.recordExport.empty()) {
        const std::string file = recordPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        if (!options.recordExport.empty()) return exportRecord(file, options.recordExport, std::cout, std::cerr);
        return printRecord(file, std::cout);
    }
    return std::nullopt;
}

}  // namespace yacht
