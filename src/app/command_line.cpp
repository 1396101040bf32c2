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

}  // namespace

std::string usageText()
{
    return "Usage: yacht [--transcript FILE|-] [--seed N] [--speech-engine speechd|flite|screen-reader|none]\n"
           "             [--version] [--help]\n"
           "A spoken game of Yacht for players who cannot see the screen.\n"
           "  --transcript FILE|-   write every spoken text and sound, one line each, to FILE\n"
           "                        (- for standard output)\n"
           "  --seed N              throw the dice from a fixed seed, for reproducible games\n"
           "  --speech-engine NAME  speechd (speech-dispatcher, the default), flite, screen-reader\n"
           "                        (the running screen reader speaks and shows in braille), or none\n"
           "                        (silent; read the transcript instead)\n"
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
