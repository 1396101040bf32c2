"""Playing the game through its keys while checking every announcement it makes against the
rules and the game so far. The player keeps its own record of the game (dice, holds, throw, whose
turn, the score sheets) from what it hears and what it pressed, and computes every expected
sentence from that record."""
import os
import re

from .rules import NAMES, ORDINAL, POSITION, YACHT, Sheet, is_yacht, worth

F9_F1 = "Press function key F 9 to start a new game or function key F 1 for help. "
GREETING = f"Yacht, from Tevrin Software. {F9_F1}{F9_F1}"
GAME_OVER = f"Game over. {F9_F1}"
CHOOSE = "Use the arrow keys to choose the category then press the enter key to score"
WELCOME_BACK = ("Yacht, from Tevrin Software. Resuming an unfinished game.  Press the space bar "
                "to continue or press function key F 9 if you prefer to start a new game. ")
RESUMING_MID_TURN = ("Resuming an unfinished game, press function key F 9 if you prefer to "
                     "start a new game. ")

# The first and last sentences of each help page, as the game promises them.
HELP_ENDS = {
    0: ("Yacht is a classic dice game.", "press function key F 1 for the first page."),
    1: ("Introduction and scoring.", "Press F1 for instructions on how to play the game."),
    2: ("How to play the game.", "Press F1 for an explanation of the function keys."),
    3: ("Function keys.", "Press F1 for the introduction and scoring."),
}


def squeeze(text):
    """Blanks and line breaks run together into single blanks, with none at either end."""
    return " ".join(text.split())


class Player:
    """A player at the keyboard who hears every line and knows the rules. `run` is the game's
    current run; `step_keys` waits for each Down's announcement (for a voice that is always
    done) instead of pressing keys in bursts."""

    def __init__(self, run=None, help_dir=None, step_keys=False):
        self._run = None
        self.run = run
        self.help_dir = help_dir
        self.step_keys = step_keys
        self.players = 0
        self.round = 0
        self.player = 0
        self.roll = 0
        self.dice = ["?"] * 5
        self.held = [False] * 5
        self.dice_cursor = 0
        self.cursor = 0
        self.state = "idle"          # idle, waitspace, rolled, choosing
        self.yacht = False           # the last throw was a Yacht
        self.faces_known = True      # after a Yacht none of whose dice were held, F2 tells
        self.voice = ""              # the description in the last "Voice changed to" sentence
        self.sounds = 0              # dice sounds heard
        self.yachts = 0              # Yachts thrown
        self.sheets = {}

    @property
    def run(self):
        return self._run

    @run.setter
    def run(self, run):
        # Ctrl (alone, or on its way to Ctrl+F1) stops the voice: the player does not listen
        # for that.
        if run is not None:
            run.transcript.ignored.add("cancel")
        self._run = run

    # The record.
    def sheet(self, player=None):
        return self.sheets.setdefault(player or self.player, Sheet())

    def shown(self, player):
        value = self.sheet(player).shown
        return "" if value is None else str(value)

    def dice_text(self):
        """The dice as the game reads them: all five after the first throw, afterwards only
        those not held."""
        return "".join(f" {d}" for d, h in zip(self.dice, self.held) if self.roll == 1 or not h)

    def fail(self, message):
        __tracebackhide__ = True
        self.run.transcript.fail(message)

    # Hearing.
    def expect(self, text, kind="say-async", timeout=30.0):
        __tracebackhide__ = True
        return self.run.expect(text, kind, timeout)

    def press(self, *keys):
        __tracebackhide__ = True
        self.run.press(*keys)

    def hear_some_of(self, wanted):
        """The lines that follow must be some of the given sentences, in their order, the last
        one included: what a burst of keys makes the game say when its voice drops what it had
        no time for."""
        __tracebackhide__ = True
        i = 0
        while True:
            line = self.run.transcript.next_line(30)
            if line is None:
                self.fail(f"waited for {wanted[-1]!r}")
            if line.kind != "say-async":
                self.fail(f"expected some of {wanted}; got {line}")
            while i < len(wanted) and wanted[i] != line.text:
                i += 1
            if i == len(wanted):
                self.fail(f"unexpected {line.text!r} on the way to {wanted[-1]!r}")
            if i == len(wanted) - 1:
                return
            i += 1

    def hear_sound(self):
        self.expect("rolldice", kind="sound")
        self.sounds += 1

    def hear_throw(self):
        """The line after a throw: the faces of the dice thrown, or "yacht" for five alike."""
        __tracebackhide__ = True
        line = self.run.transcript.next_line(30)
        if line is None:
            self.fail(f"waited for the dice after throw {self.roll}")
        if line.kind != "say-sync":
            self.fail(f"the dice after the sound were not spoken to their end first: {line}")
        self.yacht = False
        if line.text == "yacht":
            self.yacht = True
            self.yachts += 1
            # Five alike: the held dice, if any, tell the face; otherwise F2 will.
            faces = {d for d, h in zip(self.dice, self.held) if h}
            if len(faces) > 1:
                self.fail(f"'yacht' although the held dice differ: {self.dice} held {self.held}")
            if faces:
                self.dice = [next(iter(faces))] * 5
            self.faces_known = bool(faces)
            return
        count = self.held.count(False)
        if not re.fullmatch(rf"( [1-6]){{{count}}}", line.text):
            self.fail(f"expected the faces of the {count} dice thrown, got {line.text!r}")
        faces = iter(line.text.split())
        self.dice = [d if h else next(faces) for d, h in zip(self.dice, self.held)]
        if is_yacht(self.dice):
            self.fail(f"five equal dice ({self.dice}) were read out instead of 'yacht'")

    def after_throw(self):
        """After the dice: the Yacht bonus, and after the last throw the invitation to choose."""
        __tracebackhide__ = True
        if self.yacht:
            self.roll = 3
            if self.sheet().scores.get(YACHT) == 50:
                self.sheet().bonus += 100
        self.dice_cursor = 0
        if self.roll < 3:
            self.state = "rolled"
            return
        self.expect(CHOOSE)
        self.state = "choosing"
        self.cursor = YACHT if self.yacht and not self.sheet().taken(YACHT) else 0
        if not self.faces_known:
            # A Yacht is not read out face by face: F2 tells which face it is.
            self.press("F2")
            line = self.expect(re.compile(r"^( [1-6]){5}$"))
            self.dice = line.text.split()
            if not is_yacht(self.dice):
                self.fail(f"F2 after 'yacht' read out {self.dice}")
            self.faces_known = True

    # A turn's keys.
    def open_turn(self):
        """The space bar while waiting: the turn is announced, the sound plays, the dice read."""
        __tracebackhide__ = True
        assert self.state == "waitspace", f"the play tried to open a turn in state {self.state}"
        self.press("space")
        announce = f"round {self.round}" if self.player == 1 else ""
        if self.players > 1:
            announce += f" player {self.player}"
        self.expect(f"{announce} first roll")
        self.sheet().show()
        self.roll = 1
        self.held = [False] * 5
        self.dice = ["?"] * 5
        self.hear_sound()
        self.hear_throw()
        self.after_throw()

    def throw_again(self):
        """The space bar between throws. With all five dice held the throwing ends silently."""
        __tracebackhide__ = True
        assert self.state == "rolled", f"the play tried to throw again in state {self.state}"
        self.press("space")
        if all(self.held):
            self.roll = 3
            self.yacht = False
            self.after_throw()
            return
        self.roll += 1
        self.expect("second roll" if self.roll == 2 else "final roll")
        self.hear_sound()
        self.hear_throw()
        self.after_throw()

    def toggle_die(self, key, n):
        """Holds or releases die n with a key (its digit, or enter on the die under the cursor)."""
        __tracebackhide__ = True
        self.press(key)
        self.held[n - 1] = not self.held[n - 1]
        self.expect(f"{'hold' if self.held[n - 1] else 'release'} the {ORDINAL[n]} dice ")

    def hold(self, n):
        self.toggle_die(str(n), n)

    def enter_on_die(self):
        assert self.dice_cursor > 0, "the play pressed enter with no die under the cursor"
        self.toggle_die("Return", self.dice_cursor)

    def die_cursor(self, key):
        """Moves the dice cursor with Left or Right; the die under it is named with its face."""
        __tracebackhide__ = True
        self.press(key)
        n = self.dice_cursor + (1 if key == "Right" else -1)
        n = 1 if n > 5 else 5 if n < 1 else n
        self.dice_cursor = n
        held = ", held" if self.held[n - 1] else ""
        self.expect(f"{POSITION[n]} dice {self.dice[n - 1]}{held}")

    def category_sentence(self, c):
        if self.sheet().taken(c):
            return f"{NAMES[c]} is already taken"
        value = worth(c, self.dice)
        return f"{NAMES[c]} is worth {value if value else 'nothing'}"

    def choose_first_free(self):
        """Walks down to the first free category and scores it with enter; on a Yacht with Yacht
        still free the cursor already stands on Yacht. In bursts, the game may read out the rows
        passed on the way or only the last, so every row heard is checked as it comes."""
        __tracebackhide__ = True
        assert self.state == "choosing", f"the play tried to choose in state {self.state}"
        if self.cursor == YACHT:
            target, heard = YACHT, [self.category_sentence(YACHT)]
        else:
            target = self.sheet().first_free()
            heard = [self.category_sentence(c) for c in range(1, target + 1)]
        if self.step_keys and self.cursor == 0:
            for sentence in heard:
                self.press("Down")
                self.expect(sentence)
        else:
            self.press(*["Down"] * len(heard))
            self.hear_some_of(heard)
        self.score(target)

    def score(self, c):
        """Enter on the category under the cursor: the score is written and the total told."""
        __tracebackhide__ = True
        self.press("Return")
        self.sheet().scores[c] = worth(c, self.dice)
        self.sheet().show()
        self.roll = 0
        self.cursor = 0
        if self.round < 13:
            s = "s" if self.round > 1 else ""
            self.expect(f"After {self.round} round{s} your total score is {self.shown(self.player)}")
        self.turn_end()

    def turn_end(self):
        """The next player's turn, the next round with its summary, or the end of the game."""
        __tracebackhide__ = True
        self.dice = ["?"] * 5
        self.held = [False] * 5
        if self.player < self.players:
            self.player += 1
            self.state = "waitspace"
            self.expect(" Press the space bar to begin" if self.round == 1
                        else " Press the space bar to continue")
            return
        self.player = 1
        self.round += 1
        if self.round <= 13:
            self.state = "waitspace"
            if self.players > 1:
                scores = "".join(f"player {p} {self.shown(p)}, " for p in range(1, self.players + 1))
                self.expect(f"At the end of the round, the scores are {scores} Press the space bar to continue")
            else:
                self.expect(" Press the space bar to continue")
            return
        self.state = "idle"
        self.round = 0
        self.expect(self.game_over_sentence())

    def game_over_sentence(self):
        if self.players == 1:
            return f"game over, you scored {self.shown(1)} {F9_F1}"
        totals = {p: self.sheet(p).shown or 0 for p in range(1, self.players + 1)}
        best = max(totals.values())
        winners = [p for p, t in totals.items() if t == best]
        if len(winners) == 1:
            text = f"Game over. The winner is player {winners[0]} with a score of {best}"
        else:
            named = " and".join(f" player {p}" for p in winners)
            text = (f"Game over. We have a {len(winners)} way tie. The joint winners are{named}"
                    f" with a score of {best}")
        return f"{text} {F9_F1}"

    # The keys that ask rather than play.
    def new_game_of_two(self):
        """F9 with no game running, then two players chosen with the arrows and enter."""
        self.press("F9")
        self.expect("Choose the number of players using the arrow keys, then press the enter key to begin")
        self.press("Down")
        self.expect("1 player")
        self.press("Down")
        self.expect("2 players")
        self.press("Return")
        self.players, self.round, self.player, self.state = 2, 1, 1, "waitspace"
        self.sheets = {}
        self.expect(" Press the space bar to begin")

    def f2(self):
        """F2: the dice again, or the end-of-game sentence when no game runs."""
        self.press("F2")
        self.expect(GAME_OVER if self.state == "idle" else self.dice_text())

    def f3(self):
        """F3: how many categories are left, then each free category by name."""
        self.press("F3")
        if self.state == "idle":
            self.expect(GAME_OVER)
            return
        free = sum(1 for c in range(1, 14) if not self.sheet().taken(c))
        self.expect(f"{free} categories left to fill")
        for c in range(1, 14):
            if not self.sheet().taken(c):
                self.expect(NAMES[c])

    def f4(self):
        """F4: every player's total as the sheet last showed it, for a round or for the end."""
        self.press("F4")
        idle = self.state == "idle"
        self.expect(f"At the end of the {'game' if idle else 'round'} the scores are, ")
        for p in range(1, self.players + 1):
            self.expect(f"player {p}, {self.shown(p)}")
        self.expect(F9_F1 if idle else "Press the space bar to continue. ")

    def voice_change(self, key):
        """Shift+F1 or Ctrl+F1: the next or previous voice names itself. The game may first have
        to list the installed voices, which takes a few seconds."""
        self.press(key)
        self.expect(re.compile("^Voice changed to (.+)$"), timeout=60)
        self.voice = self.run.transcript.match.group(1)
        return self.voice

    def speed_change(self, name):
        """Alt+F1: the next speed names itself."""
        self.press("alt+F1")
        self.expect(f"Speed changed to {name}")

    def help(self, page):
        """F1 reads a help page whole: the page in the game's resources, with its first and last
        sentences as the game promises them."""
        __tracebackhide__ = True
        self.press("F1")
        line = self.run.transcript.next_line(20)
        if line is None:
            self.fail(f"waited for help page {page}")
        if line.kind != "say-async":
            self.fail(f"help page {page} was read as {line.kind}")
        got = squeeze(line.text)
        first, last = HELP_ENDS[page]
        if not got.startswith(first):
            self.fail(f"help page {page} begins: {got[:80]}")
        if not got.endswith(last):
            self.fail(f"help page {page} ends: ...{got[-80:]}")
        path = os.path.join(self.help_dir or "", f"HELP{page}.txt")
        if self.help_dir and os.path.exists(path):
            with open(path, encoding="utf-8", errors="replace") as f:
                if got != squeeze(f.read().replace("\0", " ")):
                    self.fail(f"help page {page} differs from {path}")

    # Whole turns, each played its own way, from the space bar to the category scored.
    def turn_three_throws(self):
        """Holds nothing and throws three times."""
        self.open_turn()
        while self.state == "rolled":
            self.throw_again()
        self.choose_first_free()

    def turn_keep_first(self):
        """Keeps the first throw: all five dice held, the space bar, which then ends the
        throwing, and the first free category. Once the first hold is heard (the dice are no
        longer being read out), the other keys follow in one burst, as a player who knows the
        game types them."""
        self.open_turn()
        if self.state != "rolled":
            self.choose_first_free()
            return
        self.hold(1)
        if self.step_keys:
            for n in (2, 3, 4, 5):
                self.hold(n)
            self.throw_again()
            self.choose_first_free()
            return
        keys = ["2", "3", "4", "5", "space"]
        heard = [f"hold the {ORDINAL[n]} dice " for n in (2, 3, 4, 5)] + [CHOOSE]
        self.held = [True] * 5
        self.roll, self.state, self.cursor = 3, "choosing", 0
        target = self.sheet().first_free()
        for c in range(1, target + 1):
            keys.append("Down")
            heard.append(self.category_sentence(c))
        self.press(*keys)
        self.hear_some_of(heard)
        self.score(target)

    def turn_with_holds(self):
        """Holds made and undone by the arrows, enter and the digit keys, and all three throws."""
        self.open_turn()
        if self.state == "rolled":
            self.die_cursor("Right")   # the first die
            self.enter_on_die()        # held with enter
            self.die_cursor("Left")    # wraps round to the fifth
            self.die_cursor("Left")    # the fourth
            self.hold(4)               # held with its digit
            self.die_cursor("Right")   # the fifth
            self.die_cursor("Left")    # the fourth again, now held
            self.throw_again()         # the second throw: only the three free dice are read
        if self.state == "rolled":
            self.hold(1)               # the first die released
            self.throw_again()         # the final throw: four dice thrown and read
        self.choose_first_free()

    def turn_hunt_yacht(self):
        """Hunts for a Yacht: after each throw the dice showing the commonest face (the higher
        face when two are as common) are held and any others released."""
        self.open_turn()
        while self.state == "rolled":
            counts = [self.dice.count(str(f)) for f in range(7)]
            face = str(max(range(1, 7), key=lambda f: (counts[f], f)))
            for i in range(5):
                if (self.dice[i] == face) != self.held[i]:
                    self.hold(i + 1)
            self.throw_again()
        self.choose_first_free()
