#include "app/qt_command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include "app/option_names.h"

namespace yacht {
namespace {

std::string local8Bit(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// A whole number of decimal digits only: the parser hands over text, and Qt's own conversion
// would also take a sign or blanks that a seed never has.
bool wholeNumber(const QString& text, uint64_t& out)
{
    if (text.isEmpty() || text.size() > 19) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    bool ok = false;
    out = text.toULongLong(&ok, 10);
    return ok;
}

// The argument as the player typed it, for an unknown option Qt names without its dashes.
std::string typed(const std::vector<std::string>& args, const QString& name)
{
    for (const std::string& arg : args) {
        const QString a = QString::fromLocal8Bit(arg.data(), qsizetype(arg.size()));
        const QString bare = a.section(QLatin1Char('='), 0, 0);
        if (bare == QLatin1Char('-') + name || bare == QLatin1String("--") + name) return arg;
    }
    return "--" + local8Bit(name);
}

std::string unknown(const std::string& what)
{
    return "yacht: unknown option '" + what + "'\nTry 'yacht --help'.";
}

}  // namespace

ParsedOptions parseCommandLine(const std::vector<std::string>& args)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash (-platform); ours take two and read the same.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    const QCommandLineOption transcript("transcript", QString(), "file");
    const QCommandLineOption seed("seed", QString(), "n");
    const QCommandLineOption engine("speech-engine", QString(), "name");
    const QCommandLineOption optimum("optimum");
    const QCommandLineOption terminal("terminal");
    const QCommandLineOption language("language", QString(), "code");
    const QCommandLineOption brief("brief");
    // Two values (a strength and a game count) are more than an option of Qt's parser holds:
    // --simulate is a switch and its two values are the command line's only plain arguments.
    const QCommandLineOption simulate("simulate");
    const QCommandLineOption record("record");
    const QCommandLineOption recordExport("record-export", QString(), "file");
    parser.addOptions({help, version, transcript, seed, engine, optimum, simulate, record, recordExport, terminal, language, brief});
    // Qt's own options: told to the parser only so that it lets them by.
    for (const OptionName& option : kToolkitOptions) {
        QCommandLineOption qt(QString::fromLatin1(option.name), QString(),
                              option.takesValue ? QStringLiteral("value") : QString());
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }

    QStringList list{QStringLiteral("yacht")};
    for (const std::string& arg : args) list << QString::fromLocal8Bit(arg.data(), qsizetype(arg.size()));

    ParsedOptions parsed;
    Options& o = parsed.options;
    if (!parser.parse(list)) {
        const QStringList names = parser.unknownOptionNames();
        parsed.error = names.isEmpty() ? "yacht: " + local8Bit(parser.errorText()) + "\nTry 'yacht --help'."
                                       : unknown(typed(args, names.first()));
        return parsed;
    }

    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.optimum = parser.isSet(optimum);
    o.record = parser.isSet(record);
    if (parser.isSet(recordExport)) {
        o.recordExport = local8Bit(parser.value(recordExport));
        if (o.recordExport.empty()) {
            parsed.error = "yacht: --record-export needs a file name or -";
            return parsed;
        }
    }
    o.terminal = parser.isSet(terminal);
    o.platformNamed = parser.isSet("platform");
    o.display = local8Bit(parser.value("display"));
    if (parser.isSet(transcript)) {
        o.transcript = local8Bit(parser.value(transcript));
        if (o.transcript.empty()) {
            parsed.error = "yacht: --transcript needs a file name or -";
            return parsed;
        }
    }
    if (parser.isSet(seed)) {
        uint64_t value = 0;
        if (!wholeNumber(parser.value(seed), value)) {
            parsed.error = "yacht: --seed needs a whole number, not '" + local8Bit(parser.value(seed)) + "'";
            return parsed;
        }
        o.seed = value;
    }
    if (parser.isSet(engine)) o.speechEngine = local8Bit(parser.value(engine));
    if (parser.isSet(language)) o.language = local8Bit(parser.value(language));
    o.brief = parser.isSet(brief);

    const QStringList plain = parser.positionalArguments();
    if (parser.isSet(simulate)) {
        if (plain.size() < 2) {
            parsed.error = "yacht: --simulate needs a strength and a number of games";
            return parsed;
        }
        const QString strength = plain[0];
        uint64_t games = 0;
        if (strength != "strong" && strength != "casual") {
            parsed.error = "yacht: --simulate needs strong or casual, not '" + local8Bit(strength) + "'";
            return parsed;
        }
        if (!wholeNumber(plain[1], games) || games < 1 || games > 1000000000) {
            parsed.error = "yacht: --simulate needs a number of games from 1 to 1000000000, not '" +
                           local8Bit(plain[1]) + "'";
            return parsed;
        }
        o.simulate = true;
        o.simulateStrength = local8Bit(strength);
        o.simulateGames = static_cast<long>(games);
        if (plain.size() > 2) parsed.error = unknown(local8Bit(plain[2]));
        return parsed;
    }
    if (!plain.isEmpty()) parsed.error = unknown(local8Bit(plain.first()));
    return parsed;
}

}  // namespace yacht
