#include "terminal/terminal_narrator.h"

namespace yacht {

std::string TerminalNarrator::wordsOf(const Event& event)
{
    std::string words = inner_.wordsOf(event);
    if (const auto* page = std::get_if<event::HelpPage>(&event.what); page && (page->page == 0 || page->page == 3)) {
        // A line of its own, which the speech reads as a sentence after the page.
        words += '\n';
        words += book_[Phrase::TerminalKeys];
    }
    return words;
}

}  // namespace yacht
