"""A seeded one-player game in the window, silent, in German, French and Spanish: the whole game
played with real keys, every sentence awaited in the words the language's catalogue gives it, help
page 1 read in the language, and a picture of the screen after the first turn's throws with every
caption inside its cell, as far as the English one is inside it (the measure, as in the window's
own test). The sentences come from the build's catalogues (build/locale), so the play follows the
translations rather than restating them."""
import gettext
import os
import re

import pytest

from harness import captions, picture

LANGUAGES = [
    # code, help page 1's heading as the play expects to hear it, the row of sixes
    ("de", "Einführung und Wertung.", "Sechser"),
    ("fr", "Présentation et décompte des points.", "Six"),
    ("es", "Introducción y puntuación.", "Seises"),
]
# Words that only an English sentence has.
ENGLISH = ("round", "roll", "worth", "Press", "score is", "the ")
ANY = re.compile("")


def fill(text, *values):
    """A catalogue's message with its numbered placeholders (%1$d, %2$s) filled in."""
    for n, value in enumerate(values, 1):
        text = re.sub(rf"%{n}\$[ds]", str(value), text)
    return text


def pattern(text):
    """A catalogue's message as a pattern matching it with any number in each %N$d and any words
    in each %N$s; a number's digits are in the pattern's groups."""
    escaped = re.sub(r"%[0-9]\\\$d", "([0-9]+)", re.escape(text))
    return re.compile("^" + re.sub(r"%[0-9]\\\$s", ".+?", escaped) + "$")


def begin(game, code, seed, env=None):
    """The game started in the language, its greeting heard; with it the language's catalogue,
    which English has none of."""
    words = gettext.translation("yacht", os.path.join(os.path.dirname(game.sandbox.yacht), "locale"),
                                [code], fallback=code == "en")
    _ = words.gettext
    run = game.start("--speech-engine", "none", "--language", code, seed=seed,
                     env={**captions.GAME_ENV, **(env or {})})
    run.transcript.ignored.add("cancel")
    run.expect(re.compile("^" + re.escape(_("Yacht, from Tevrin Software. Press function key F 9 to "
                                            "start a new game or function key F 1 for help. "))))
    return run, words


def throws(run, _, rnd):
    """A turn's three throws, the first die held after the first (a Yacht ends them at once),
    up to the invitation to choose a row."""
    run.press("space")
    run.expect(fill(_("round %1$d first roll"), rnd))
    run.expect("rolldice", kind="sound")
    if run.expect(ANY, kind="say-sync").text != _("yacht"):
        run.press("1")
        run.expect(_("hold the first dice "))
        for again in ("second roll", "final roll"):
            run.press("space")
            run.expect(_(again))
            run.expect("rolldice", kind="sound")
            run.expect(ANY, kind="say-sync")
    run.wait_for(_("Use the arrow keys to choose the category then press the enter key to score"))


def new_game(run, _):
    run.press("F9")
    run.expect(_("Choose the number of players using the arrow keys, then press the enter key to begin"))
    run.press("Return")
    run.wait_for(_(" Press the space bar to begin"))


def sheet_picture(sandbox, source_dir, run, name):
    """The screen with the first row under the cursor, and the window's labels on it."""
    run.press("Down")
    run.expect(ANY)
    shot = picture.take(sandbox, source_dir, os.path.join(sandbox.work, f"window-{name}.png"))
    return shot, captions.cells(sandbox)


@pytest.mark.parametrize("code, help_heading, sixes", LANGUAGES)
def test_a_game_in_the_window_in_each_language(sandbox, display, game, source_dir, code, help_heading, sixes):
    if captions.unavailable():
        pytest.skip(captions.unavailable())
    captions.start_bus(sandbox)
    seed = 5
    # English as the measure, in folders of its own: its game, left unfinished, is not resumed.
    english, words = begin(game, "en", seed, {name: os.path.join(sandbox.work, "english", name)
                                              for name in ("XDG_STATE_HOME", "XDG_DATA_HOME")})
    new_game(english, words.gettext)
    throws(english, words.gettext, 1)
    measure = sheet_picture(sandbox, source_dir, english, "en")
    english.stop()

    run, words = begin(game, code, seed)
    _, plural = words.gettext, words.ngettext
    run.press("F1")
    run.expect(ANY)
    run.press("F1")
    page = " ".join(run.expect(ANY).text.split())
    assert page.startswith(help_heading) and page.startswith(_("Introduction and scoring.")), page[:200]
    assert page.endswith(_("Press F1 for instructions on how to play the game.")), page[-200:]

    new_game(run, _)
    free, nothing = pattern(_("%1$s is worth %2$d")), pattern(_("%1$s is worth nothing"))
    taken = pattern(_("%1$s is already taken"))
    total = 0
    for rnd in range(1, 14):
        throws(run, _, rnd)
        if rnd == 1:
            cut = captions.cut_captions(*sheet_picture(sandbox, source_dir, run, code), *measure)
            assert not cut, f"{code}: captions cut off at their cell's edge:\n" + "\n".join(cut)
        # Down to the next free row, told with its worth, and scored there.
        for _step in range(26):
            run.press("Down")
            row = run.expect(ANY).text
            if free.match(row) or nothing.match(row):
                break
            assert taken.match(row), row
        run.press("Return")
        if rnd < 13:
            # The round and the total in their places: the round just played, a total that grows.
            run.wait_for(pattern(plural("After %1$d round your total score is %2$d",
                                        "After %1$d rounds your total score is %2$d", rnd)))
            assert run.transcript.match.group(1) == str(rnd)
            assert int(run.transcript.match.group(2)) >= total
            total = int(run.transcript.match.group(2))
            run.expect(_(" Press the space bar to continue"))
    run.wait_for(pattern(_("game over, you scored %1$s Press function key F 9 to start a new game "
                           "or function key F 1 for help. ").replace("%1$s", "%1$d")))
    assert int(run.transcript.match.group(1)) >= total
    run.stop()

    said = "\n".join(line.text for line in run.transcript.lines if line.kind.startswith("say"))
    for word in ENGLISH:
        assert word not in said, f"{code}: the English {word!r} in the game"
    assert "%" not in said and "$d" not in said
    assert re.search(rf"^{sixes} ", said, re.M), f"{code}: the row of sixes was never told"
