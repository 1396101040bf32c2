#pragma once
// One compiled message catalogue (the .mo file msgfmt writes from a language's .po file), read
// by the game itself, so a language plays whatever locales the machine has generated: the C
// library's own lookup gives up under the C locales, which is all a fresh machine may have.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace yacht {

// The translations of one catalogue, by their English message id (with "context\004" before it
// for a message in a context).
class MessageCatalogue {
public:
    // Reads the file; none when it is missing, not a catalogue, or cut short.
    static std::optional<MessageCatalogue> load(const std::string& path);

    // The translation, or nullptr when the catalogue has none (or only an empty one).
    const char* find(std::string_view id) const;

    // The plural form for n of the message whose singular id is given, or nullptr.
    const char* findPlural(std::string_view id, unsigned long n) const;

    // The catalogue's header (the translation of the empty id).
    const std::string& header() const { return header_; }

private:
    std::map<std::string, std::string, std::less<>> translations_;
    std::string header_;
    std::string pluralRule_;
};

}  // namespace yacht
