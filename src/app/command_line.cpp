#include "app/command_line.h"

#include <cctype>

namespace yacht {
namespace {

bool parseSeed(const std::string& text, uint64_t& out)
{
    if (text.empty() || text.size() > 19) return false;
    uint64_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    out = value;
    return true;
}

// --simulate's two values: a strength and a game count of 1 to a billion.
std::string parseSimulate(const std::string& strength, const std::string& count, Options& o)
{
    if (strength != "strong" && strength != "casual")
        return "yacht: --simulate needs strong or casual, not '" + strength + "'";
    uint64_t games = 0;
    if (!parseSeed(count, games) || games < 1 || games > 1000000000)
        return "yacht: --simulate needs a number of games from 1 to 1000000000, not '" + count + "'";
    o.simulate = true;
    o.simulateStrength = strength;
    o.simulateGames = static_cast<long>(games);
    return "";
}

}  // namespace

std::string usageText()
{
    return "Usage: yacht [--transcript FILE|-] [--seed N] [--speech-engine speechd|flite|screen-reader|none]\n"
           "             [--version] [--help]\n"
           "       yacht --optimum\n"
           "       yacht --simulate strong|casual N [--seed K]\n"
           "A spoken game of Yacht for players who cannot see the screen.\n"
           "  --transcript FILE|-   write every spoken text and sound, one line each, to FILE\n"
           "                        (- for standard output)\n"
           "  --seed N              throw the dice from a fixed seed, for reproducible games\n"
           "  --speech-engine NAME  speechd (speech-dispatcher, the default), flite, screen-reader\n"
           "                        (the running screen reader speaks and shows in braille), or none\n"
           "                        (silent; read the transcript instead)\n"
           "                        The engine named is remembered for later starts; none is not.\n"
           "  --optimum             print the expected score of perfect solitaire play and leave\n"
           "  --simulate S N        play N solitaire games at strength S (strong or casual)\n"
           "                        with no window or sound, print their mean and leave\n"
           "  --version             print the version and leave\n"
           "  --help                print this text and leave\n";
}

ParsedOptions parseCommandLine(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    Options& o = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) {
                parsed.error = "yacht: option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };

        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--transcript") {
            if (!takeValue()) return parsed;
            if (value.empty()) {
                parsed.error = "yacht: --transcript needs a file name or -";
                return parsed;
            }
            o.transcript = value;
        } else if (arg == "--seed") {
            if (!takeValue()) return parsed;
            uint64_t seed = 0;
            if (!parseSeed(value, seed)) {
                parsed.error = "yacht: --seed needs a whole number, not '" + value + "'";
                return parsed;
            }
            o.seed = seed;
        } else if (arg == "--optimum") {
            o.optimum = true;
        } else if (arg == "--simulate") {
            if (hasValue || i + 2 >= args.size()) {
                parsed.error = "yacht: --simulate needs a strength and a number of games";
                return parsed;
            }
            parsed.error = parseSimulate(args[i + 1], args[i + 2], o);
            i += 2;
            if (!parsed.error.empty()) return parsed;
        } else if (arg == "--speech-engine") {
            if (!takeValue()) return parsed;
            o.speechEngine = value;
        } else {
            parsed.error = "yacht: unknown option '" + args[i] + "'\nTry 'yacht --help'.";
            return parsed;
        }
    }
    return parsed;
}

}  // namespace yacht
