// Writes the game's words as C source for xgettext: every phrase-book entry (plural pairs as
// plural messages, brief wordings in the context "brief") and every line of the help pages
// named on the command line. The build runs it, so an entry added to the book is in the
// template without anyone marking it.

#include "narration/phrase_book.h"

#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

namespace {

// A C string literal of the text.
std::string literal(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += char(c);
        }
    }
    return out + "\"";
}

// Where a blank at either end is part of the message, the translator is told so.
std::string blanksNote(const std::string& text)
{
    if (text.empty()) return {};
    const bool lead = text.front() == ' ', trail = text.back() == ' ';
    if (!lead && !trail) return {};
    return lead && trail ? " Keep the blanks at both ends." : lead ? " Keep the blank at the start." : " Keep the blank at the end.";
}

}  // namespace

int main(int argc, char** argv)
{
    using yacht::Phrase;
    const yacht::PhraseBook& en = yacht::PhraseBook::english();
    std::set<int> plural;
    std::cout << "/* The game's words, written by the build for xgettext. */\n";
    for (const auto& pair : yacht::pluralPairs()) {
        plural.insert(int(pair.one));
        plural.insert(int(pair.other));
        const std::string& one = en[pair.one];
        std::cout << "/* TRANSLATORS: said for a count; %1$d is the number." << blanksNote(one) << " */\n"
                  << "NP_(" << literal(one) << ", " << literal(en[pair.other]) << ");\n";
    }
    for (int i = 0; i < int(Phrase::Count); ++i) {
        const std::string& text = en[Phrase(i)];
        if (text.empty() || plural.count(i)) continue;
        std::cout << "/* TRANSLATORS: spoken." << blanksNote(text) << " */\n"
                  << "N_(" << literal(text) << ");\n";
    }
    for (const auto& [phrase, text] : yacht::briefEntries()) {
        std::cout << "/* TRANSLATORS: the brief wording of \"" << en[phrase] << "\"." << blanksNote(text) << " */\n"
                  << "BRIEF_(\"brief\", " << literal(text) << ");\n";
    }
    // The sheet rows whose names a language may shorten to fit, in the context "sheet row".
    for (const char* row : {"Small straight", "Large straight"})
        std::cout << "/* TRANSLATORS: the row of the score sheet; its spoken name when it fits. */\n"
                  << "BRIEF_(\"sheet row\", \"" << row << "\");\n";
    // The texts the game hands a front end, which shows them in the player's language.
    std::cout << "/* TRANSLATORS: the title of the box that asks before a new game. */\n"
              << "N_(\"Start new game?\");\n";
    for (int a = 1; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << argv[a] << "\n";
            return 1;
        }
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            const std::string path = argv[a];
            std::cout << "/* TRANSLATORS: a paragraph of the help page " << path.substr(path.rfind('/') + 1) << " */\n"
                      << "N_(" << literal(line) << ");\n";
        }
    }
    return 0;
}
