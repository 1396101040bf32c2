"""A whole game of two players as a blind player hears it: the real game in a real window, the
real speech server speaking with espeak-ng into a private sound server, played with real key
presses. Every announcement is read from the transcript as it comes and checked against the
rules; the player leaves with F12 in round 2 and comes back to the same game; and the sound the
game made is recorded and checked for speech and for the rolling dice."""
import os

from harness.audio_check import check
from harness.play import GREETING, WELCOME_BACK, Player


def test_speech_game(sandbox, display, sound_server, speech_server, game, source_dir):
    # espeak-ng's normal speed at twice its default, as a practised listener would set it, so
    # that a whole game is heard in a few minutes; its top speed where espeak-ng still speaks
    # without its separate speed-up stage.
    speech_server.configure(normal_rate=340, max_rate=449).start()
    recording = sound_server.record(os.path.join(sandbox.work, "sound.wav"))
    seed = int(os.environ.get("E2E_SEED", "7"))
    p = Player(help_dir=os.path.join(source_dir, "resources", "help"))

    p.run = game.start(seed=seed)
    p.expect(GREETING)
    # The faster speeds keep the play short; the next voice; the short introduction to help.
    p.speed_change("fast")
    p.speed_change("very fast")
    first_voice = p.voice_change("shift+F1")
    p.help(0)

    p.new_game_of_two()
    p.turn_keep_first()
    p.turn_three_throws()

    # Round 2: a turn with holds and three throws; then F12 while player 2 is to press the space
    # bar, and a new start of the game that offers the same game back.
    p.turn_with_holds()
    p.press("F12")
    p.expect("goodbye", kind="say-sync")
    p.run.wait_exit(30)
    p.run = game.start(seed=seed)
    p.expect(WELCOME_BACK)
    p.turn_keep_first()

    # Round 3: the reports in the middle of player 2's turn.
    p.turn_keep_first()
    p.open_turn()
    if p.state == "rolled":
        p.f2()
        p.f3()
        p.f4()
    if p.state == "rolled":
        for n in range(1, 6):
            p.hold(n)
        p.throw_again()
    p.choose_first_free()

    while p.state != "idle":
        p.turn_keep_first()
    print(f"game over after 13 rounds: {p.shown(1)} to {p.shown(2)}")

    p.f4()
    p.f3()
    p.f2()
    # The voice and the speed were kept over the new start: one voice back and forth returns to
    # the voice chosen before F12, and one speed step from "very fast" wraps to "very slow".
    p.voice_change("ctrl+F1")
    p.voice_change("shift+F1")
    assert p.voice == first_voice, (
        f"the voice chosen before F12 was {first_voice}, now {p.voice} (voices of another engine "
        "would mean that the game handed over to its fallback voice)")
    p.speed_change("very slow")
    # The help pages last minutes when spoken, so they come last, when nothing more is heard.
    for page in (0, 1, 2, 3, 1):
        p.help(page)
    p.run.transcript.expect_no_more()
    p.run.stop()

    # What the recording holds: speech, and the dice sound at each throw.
    recording.stop()
    runs = [(run.path, run.started_at - recording.started_at) for run in game.runs]
    print("runs and when they began in the recording (s): "
          + ", ".join(f"{os.path.basename(path)} {at:.3f}" for path, at in runs))
    problems = check(recording.path, runs, os.path.join(source_dir, "resources", "ROLLDICE.wav"))
    assert not problems, "the recording: " + "; ".join(problems)
    print(f"{p.sounds} dice sounds and the speech were heard; the play took {sandbox.elapsed():.0f} s")
