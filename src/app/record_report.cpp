#include "app/record_report.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "narration/phrase_book.h"
#include "narration/record_words.h"
#include "persist/record_database.h"

namespace yacht {

int printRecord(const std::string& recordFile, std::ostream& out)
{
    const PhraseBook book = PhraseBook::translated(Wording::Full);
    const auto db = RecordDatabase::open(recordFile, RecordAccess::ReadOnly, int64_t(std::time(nullptr)));
    const RecordSummary s = db ? db->summary() : RecordSummary{};
    if (s.personScores == 0) {
        out << book[Phrase::NothingRecorded] << "\n";
        return 0;
    }
    out << book[Phrase::BestScoresHeading] << "\n";
    for (const BestScore& best : s.best) out << bestScoreWords(book, best) << "\n";
    for (const std::string& line : statisticsWords(book, s)) out << line << "\n";
    for (const std::string& line : againstComputerWords(book, s.strong, s.casual)) out << line << "\n";
    return 0;
}

int exportRecord(const std::string& recordFile, const std::string& target, std::ostream& out, std::ostream& err)
{
    const auto db = RecordDatabase::open(recordFile, RecordAccess::ReadOnly, int64_t(std::time(nullptr)));
    std::ostringstream csv;
    if (!db) {
        // No record yet is an empty table, with its header.
        if (::access(recordFile.c_str(), F_OK) == 0) {
            err << "yacht: cannot read the game record " << recordFile << "\n";
            return 1;
        }
        csv << "game,started,ended,round,player,kind,throw1,kept2,throw2,kept3,throw3,category,points,"
               "cost_keep2,cost_keep3,cost_category\n";
    } else if (!db->exportCsv(csv)) {
        err << "yacht: cannot read the game record " << recordFile << "\n";
        return 1;
    }
    if (target == "-") {
        out << csv.str() << std::flush;
        if (!out) {
            err << "yacht: cannot write the record to standard output\n";
            return 1;
        }
        return 0;
    }
    // Written beside the file and renamed over it: an existing file is replaced whole or not at all.
    const std::string beside = target + ".part";
    {
        std::ofstream file(beside, std::ios::binary | std::ios::trunc);
        file << csv.str();
        file.flush();
        if (!file) {
            std::remove(beside.c_str());
            err << "yacht: cannot write " << target << "\n";
            return 1;
        }
    }
    if (std::rename(beside.c_str(), target.c_str()) != 0) {
        std::remove(beside.c_str());
        err << "yacht: cannot write " << target << "\n";
        return 1;
    }
    return 0;
}

}  // namespace yacht
