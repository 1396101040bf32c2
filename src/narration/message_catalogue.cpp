#include "narration/message_catalogue.h"

#include <cstdint>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "narration/plural_rule.h"

namespace yacht {
namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr uint32_t kMagicSwapped = 0xde120495;

struct Reader {
    const std::string& bytes;
    bool swapped = false;

    std::optional<uint32_t> word(std::size_t at) const
    {
        if (at > bytes.size() || bytes.size() - at < 4) return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i]));
            value |= swapped ? byte << (8 * (3 - i)) : byte << (8 * i);
        }
        return value;
    }

    // The string a table entry (length, offset) points at, none when it lies outside the file.
    std::optional<std::string> string(std::size_t entry) const
    {
        const auto length = word(entry);
        const auto offset = word(entry + 4);
        if (!length || !offset || *offset > bytes.size() || bytes.size() - *offset < *length)
            return std::nullopt;
        return bytes.substr(*offset, *length);
    }
};

}  // namespace

std::optional<MessageCatalogue> MessageCatalogue::load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Reader reader{bytes};
    const auto magic = reader.word(0);
    if (!magic || (*magic != kMagic && *magic != kMagicSwapped)) return std::nullopt;
    reader.swapped = *magic == kMagicSwapped;
    const auto count = reader.word(8);
    const auto originals = reader.word(12);
    const auto translations = reader.word(16);
    if (!count || !originals || !translations) return std::nullopt;

    MessageCatalogue catalogue;
    for (uint32_t i = 0; i < *count; ++i) {
        auto id = reader.string(std::size_t{*originals} + 8u * i);
        auto text = reader.string(std::size_t{*translations} + 8u * i);
        if (!id || !text) return std::nullopt;
        // A plural message's id is "singular\0plural"; it is looked up by its singular.
        id->erase(std::min(id->find('\0'), id->size()));
        if (id->empty())
            catalogue.header_ = *text;
        else if (!text->empty())
            catalogue.translations_.emplace(std::move(*id), std::move(*text));
    }
    catalogue.pluralRule_ = pluralRuleOfHeader(catalogue.header_);
    return catalogue;
}

const char* MessageCatalogue::find(std::string_view id) const
{
    const auto found = translations_.find(id);
    return found == translations_.end() ? nullptr : found->second.c_str();
}

const char* MessageCatalogue::findPlural(std::string_view id, unsigned long n) const
{
    const auto found = translations_.find(id);
    if (found == translations_.end()) return nullptr;
    // The forms follow one another, each ended by a NUL (the last by the string's own).
    const std::string& forms = found->second;
    std::size_t at = 0;
    for (std::size_t form = pluralForm(pluralRule_, n); form > 0; --form) {
        const auto end = forms.find('\0', at);
        if (end == std::string::npos) return nullptr;
        at = end + 1;
    }
    return at < forms.size() && forms[at] != '\0' ? forms.c_str() + at : nullptr;
}

}  // namespace yacht
