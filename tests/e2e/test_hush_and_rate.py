"""The player's own speech settings and Ctrl: at start with the normal speed the game sends
speech-dispatcher no rate and no volume; Ctrl alone stops a long F3 list at once."""
import os
import re
import time


def verbose_server(speech_server):
    """A speech server that logs every command a client sends it."""
    speech_server.configure()
    conf = os.path.join(speech_server.config, "speechd.conf")
    text = open(conf).read().replace("LogLevel 3", "LogLevel 5")
    with open(conf, "w") as f:
        f.write(text)
    speech_server.start()


def test_ctrl_alone_cuts_off_f3_and_the_normal_speed_sends_no_rate(sandbox, display, speech_server, game):
    verbose_server(speech_server)
    run = game.start("--speech-engine", "speechd")
    run.wait_for(re.compile("^Yacht, from Tevrin Software"), timeout=20)
    run.press("F9")
    run.wait_for(re.compile("Choose the number of players"))
    run.press("Return")
    run.wait_for(" Press the space bar to begin")
    run.press("space")
    run.wait_for("rolldice", kind="sound")
    run.expect(re.compile(r"^( [1-6]){5}$"), timeout=20)

    run.press("F3")
    run.wait_for("13 categories left to fill", timeout=20)
    run.press("Control_L")
    run.wait_for("", kind="cancel", timeout=10)
    time.sleep(1.5)
    said = [line.text for line in run.transcript.all_lines() if line.kind.startswith("say")]
    after = said[said.index("13 categories left to fill") + 1:]
    assert len(after) < 13, f"the list played on after Ctrl: {after}"
    run.stop()

    # The server writes its log as it goes: a line may reach the file a moment after the game ended.
    deadline = time.monotonic() + 5
    log = open(speech_server.log, errors="replace").read()
    while "CANCEL" not in log and time.monotonic() < deadline:
        time.sleep(0.2)
        log = open(speech_server.log, errors="replace").read()
    assert "SET SELF RATE" not in log and "SET SELF VOLUME" not in log, \
        "the game changed the player's own rate or volume"
    assert re.search(r"CANCEL", log), "speech-dispatcher's log shows no cancel"
