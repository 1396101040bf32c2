#!/usr/bin/env python3
"""Writes the game's manual page (section 6) from what `yacht --help` prints, so the page and the
help never disagree; the sections the help has no room for (keys, files, exit status) are here.
Their words are in the game's catalogues: given a language and the folder of the compiled
catalogues, the page is written in that language from `yacht --language LL --help`.

Usage: manpage.py YACHT VERSION OUTPUT [LANGUAGE LOCALE_DIR]
"""
import datetime
import gettext
import os
import re
import subprocess
import sys


def N_(text):
    """Marks a text for the catalogues where it is written; it is translated where it is used."""
    return text


# The catalogue's lookup: English until main() opens the catalogue of the page's language.
_ = gettext.NullTranslations().gettext

# The keys, each with what it does.
KEYS = [
    # TRANSLATORS: the manual page's keys: each key's name and what it does, a phrase in lowercase.
    ("F1", N_("the help pages, one per press; with Shift or Ctrl the next or the previous voice, "
              "with Alt (or Shift and Ctrl) the next speaking speed")),
    ("F2", N_("the dice again")),
    ("F3", N_("the categories still to fill")),
    ("F4", N_("the score")),
    ("F5", N_("the best scores and statistics of the game record; again for the next part")),
    ("F6", N_("what the others did since your last turn, a turn a sentence; again for the next "
              "turn")),
    ("F9", N_("a new game (asks first when a game is under way)")),
    ("F12", N_("save the game and leave; closing the window does the same")),
    (N_("Space"), N_("throw the dice")),
    (N_("Left, Right, Enter, 1 to 5"), N_("move between the dice, hold or release one")),
    (N_("Up, Down, Enter"), N_("after the last throw, walk the categories and score one")),
    ("V, B, R", N_("the next voice, the previous voice, the next speed (as F1 with Shift, Ctrl, "
                   "Alt)")),
    ("N, P", N_("as the Right and Left arrows (Down and Up among the categories)")),
    (N_("I (terminal)"), N_("the state of play in one line: round, roll, the dice with held ones "
                            "marked *, the row under the cursor and its worth")),
    (N_("L (terminal)"), N_("the score sheet, a line a row")),
    (N_("Escape (terminal)"), N_("stop the speech at once, as Ctrl alone does in the window")),
    (N_("Ctrl+C (terminal)"), N_("save the game and leave, as F12 does")),
]

# How the game plays in a terminal.
TERMINAL = N_(
    # TRANSLATORS: a paragraph of the manual page, on the game in a terminal.
    "Started with no display (no DISPLAY or WAYLAND_DISPLAY, a Linux virtual console, or ssh "
    "without X forwarding) and with a terminal on standard input and output, or with --terminal, "
    "the game plays in the terminal: the same game, saved game, settings and single-copy lock, "
    "with every text printed as one plain line and the cursor at the start of the newest line, "
    "for Speakup, Fenrir or BRLTTY to read. Where Speakup or Fenrir runs, the player's Orca reads "
    "a desktop terminal, or in an ssh session, it only prints; otherwise it also speaks through "
    "speech-dispatcher, and --speech-engine chooses. The dice sound plays only through a sound "
    "server already running. A dropped connection (SIGHUP) or SIGTERM saves the game as F12 does.")

# The game's files, each with what it holds.
FILES = [
    ("$XDG_STATE_HOME/yacht/tvyacht.tmp",
     # TRANSLATORS: the manual page's files: what each file of the game holds.
     N_("the unfinished game, private to its owner (by default under ~/.local/state)")),
    ("$XDG_DATA_HOME/yacht/record.sqlite",
     N_("the game record: every game and turn played, as numbers and times, private to its owner "
        "(by default under ~/.local/share); read by F5, F6, --record and --record-export")),
    ("$XDG_CONFIG_HOME/Tevrin/Tevrin.conf",
     N_("the chosen voice and speed, and the speech engine last named with --speech-engine; a "
        "game run from a writable folder on a USB drive keeps them in Tevrinyacht.ini beside "
        "itself instead")),
    ("$XDG_RUNTIME_DIR/yacht.lock, yacht.socket",
     N_("one copy per user: a second start brings the running game's window forward and ends; "
        "with the game in a terminal it says in one line that the game runs elsewhere")),
]


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def parse_help(text):
    """The synopsis, the description lines and the options (term, description) of the help."""
    synopsis, description, options = [], [], []
    for number, line in enumerate(text.splitlines()):
        if number == 0:
            # "Usage: yacht ...", the word before the colon in the help's language.
            synopsis.append(line.partition(":")[2].strip())
        elif synopsis and not description and not options and line.startswith(" ") and \
                not line.lstrip().startswith("-") and line.strip().startswith("["):
            synopsis.append(line.strip())
        elif re.match(r"^\s{1,3}-", line):
            term, _gap, rest = line.strip().partition("  ")
            options.append([term.strip(), rest.strip()])
        elif options and line.startswith("    "):
            options[-1][1] += " " + line.strip()
        elif line.strip():
            description.append(line.strip())
    return " ".join(synopsis), description, options


def page(help_text, version, hyphenate=True):
    synopsis, description, options = parse_help(help_text)
    program, _blank, arguments = synopsis.partition(" ")
    # A package build names its date, so that the page is the same at every build.
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    date = (datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).date() if epoch
            else datetime.date.today()).isoformat()
    # TRANSLATORS: the title of section 6 of the manual, at the top of the manual page.
    out = [f'.TH YACHT 6 "{date}" "yacht {version}" "' + _("Games") + '"',
           # TRANSLATORS: a heading of the manual page, in capitals as manual pages write them.
           ".SH " + _("NAME"),
           "yacht \\- " + roff(_("a spoken game of Yacht for players who cannot see the screen")),
           ".SH " + _("SYNOPSIS"), f".B {roff(program)}", roff(arguments),
           ".SH " + _("DESCRIPTION")]
    if not hyphenate:
        out.insert(1, ".nh")
    out += [roff(line) for line in description]
    out += [".PP", roff(_("Everything the game does is said aloud; one to eight players share one "
                          "keyboard.")),
            ".SH " + _("OPTIONS")]
    for term, text in options:
        out += [".TP", f".B {roff(term)}", roff(text)]
    out += [".SS " + _("In a terminal"), roff(_(TERMINAL))]
    out += [".SH " + _("KEYS")]
    for key, text in KEYS:
        out += [".TP", f".B {roff(_(key))}", roff(_(text))]
    out += [".SH " + _("FILES")]
    for name, text in FILES:
        out += [".TP", f".I {roff(name)}", roff(_(text))]
    out += [".SH " + _("ENVIRONMENT"), ".TP", ".B QT_QPA_PLATFORM=offscreen",
            roff(_("runs the game without a display, for tests; without it, without a display and "
                   "without a terminal the game says that it needs a graphical session and ends "
                   "with status 1.")),
            ".TP", ".B TERM",
            roff(_("names the terminal whose terminfo entry gives the key strings of the function "
                   "keys and arrows.")),
            ".SH " + _("EXIT STATUS"),
            roff(_("0 when the game ends (or another copy already runs), 1 without a display or "
                   "terminal (or --terminal without a terminal), 2 for a command line it does not "
                   "understand.")),
            ".SH " + _("SEE ALSO"), ".BR spd\\-say (1),", ".BR orca (1)"]
    return "\n".join(out) + "\n"


def main():
    global _
    yacht, version, output = sys.argv[1:4]
    command = [yacht, "--help"]
    if len(sys.argv) > 4:
        language, locale_dir = sys.argv[4:6]
        _ = gettext.translation("yacht", locale_dir, languages=[language]).gettext
        command[1:1] = ["--language", language]
    help_text = subprocess.run(command, capture_output=True, text=True, check=True,
                               timeout=60).stdout
    # The formatter's hyphenation is English, which breaks the words of other languages wrongly.
    with open(output, "w", encoding="utf-8") as f:
        f.write(page(help_text, version, hyphenate=len(sys.argv) <= 4))


if __name__ == "__main__":
    main()
