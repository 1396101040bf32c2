"""A picture of the game in the middle of a turn: one player, the third throw made with one die
held, a category under the cursor, the whole 1280 x 1024 screen saved as a PNG. The picture goes
where --screenshot says (scripts/screenshot.sh: docs/screenshot.png), else it is only checked."""
import os

from harness import picture
from harness.play import GREETING, Player


def test_screenshot(sandbox, display, game, source_dir, request):
    out = request.config.getoption("--screenshot") or os.path.join(sandbox.work, "screenshot.png")
    p = Player()
    p.run = game.start("--speech-engine", "none", seed=int(os.environ.get("YACHT_SCREENSHOT_SEED", "4")))
    p.expect(GREETING)
    p.press("F9")
    p.expect("Choose the number of players using the arrow keys, then press the enter key to begin")
    p.press("Return")                      # one player
    p.players, p.round, p.player, p.state = 1, 1, 1, "waitspace"
    p.expect(" Press the space bar to begin")
    p.open_turn()
    if p.state == "rolled":
        p.hold(2)
        p.throw_again()
    if p.state == "rolled":
        p.throw_again()
    for c in (1, 2, 3):                     # the third category under the cursor
        p.press("Down")
        p.expect(p.category_sentence(c))

    picture.take(sandbox, source_dir, out)
    print(f"screenshot: {out}")
