#pragma once
// The command line's option names, without their dashes, for its two readers: the game's own
// (Qt's parser) and `yacht`'s, which must agree on which arguments are options and which are
// their values.

namespace yacht {

// An option's name and whether a value follows it.
struct OptionName {
    const char* name;
    bool takesValue;
};

// The game's own options ("h" is --help's short name).
inline constexpr OptionName kGameOptions[] = {
    {"h", false},           {"help", false},     {"version", false},      {"transcript", true},
    {"seed", true},         {"speech-engine", true}, {"optimum", false},  {"simulate", false},
    {"record", false},      {"record-export", true}, {"terminal", false}, {"language", true},
    {"brief", false},
};

// Qt's own options, which QApplication takes from the same command line: the game lets them by
// and never shows them in --help.
inline constexpr OptionName kToolkitOptions[] = {
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"display", true},
    {"geometry", true},  {"title", true},  {"name", true},  {"icon", true},  {"visual", true},
    {"session", true},   {"style", true},  {"stylesheet", true}, {"qmljsdebugger", true},
    {"reverse", false},  {"nograb", false}, {"dograb", false}, {"sync", false},
    {"widgetcount", false}, {"testability", false},
};

}  // namespace yacht
