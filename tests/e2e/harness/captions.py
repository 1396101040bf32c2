"""Whether every caption of the game's window lies inside its cell, seen on a picture of the
screen. The accessibility bus tells where each label of the window lies and what it says; the
picture shows whether the caption keeps clear of its cell's edges. The toolkit cuts off a caption
too big for its cell at the cell's edge (over the cell's frame, if it has one), so a caption that
fits leaves at least one line of the cell's background between itself and every edge."""
import json
import os
import subprocess
import time

# Run by the system's Python in the play's environment, where the accessibility bus is: every
# visible label of the game's window that says something, with its place on the screen.
LABELS = r'''
import json, gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def walk(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        if child.get_role() == Atspi.Role.LABEL and child.get_state_set().contains(Atspi.StateType.SHOWING):
            box = child.get_extents(Atspi.CoordType.SCREEN)
            print(json.dumps([child.get_name(), box.x, box.y, box.width, box.height]))
        walk(child)

desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == "yacht":
        walk(app)
'''

# Two cells side by side may share a band this thick along their edges; it belongs to neither.
SHARED_BAND = 6

# The environment the game needs to be seen on the accessibility bus.
GAME_ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


def unavailable():
    """Why the labels cannot be seen on this machine, or None."""
    if not os.access("/usr/libexec/at-spi-bus-launcher", os.X_OK):
        return "not installed: at-spi2-core"
    bindings = subprocess.run(["/usr/bin/python3", "-c", "import gi; gi.require_version('Atspi', '2.0')"],
                              capture_output=True)
    return "not installed: gir1.2-atspi-2.0 for python3-gi" if bindings.returncode else None


def start_bus(sandbox):
    """The play's own accessibility bus, for the game to show its labels on."""
    sandbox.procs.start("at-spi", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], sandbox.env)


def cells(sandbox, timeout=20):
    """Every visible label of the game's window with a caption: (caption, left, top, right,
    bottom)."""
    deadline = time.monotonic() + timeout
    while True:
        found = subprocess.run(["/usr/bin/python3", "-c", LABELS], env=sandbox.env,
                               capture_output=True, text=True, timeout=60)
        labels = [json.loads(line) for line in found.stdout.splitlines()]
        labels = [(name, x, y, x + w, y + h) for name, x, y, w, h in labels
                  if name and w > 1 and h > 1]
        if labels or time.monotonic() >= deadline:
            assert labels, f"no label of the window on the accessibility bus: {found.stderr[-2000:]}"
            return labels
        time.sleep(0.5)


def _own_box(cell, others):
    """The cell without the thin bands it shares with its neighbours (the one drawn last covers
    them); a cell lying over another, as a caption over a panel, keeps its whole box."""
    left, top, right, bottom = cell[1:5]
    for other in others:
        o_left, o_top, o_right, o_bottom = other[1:5]
        if other is cell or o_right <= left or o_left >= right or o_bottom <= top or o_top >= bottom:
            continue
        if o_top < top < o_bottom <= top + SHARED_BAND:
            top = o_bottom
        if bottom - SHARED_BAND <= o_top < bottom < o_bottom:
            bottom = o_top
        if o_left < left < o_right <= left + SHARED_BAND:
            left = o_right
        if right - SHARED_BAND <= o_left < right < o_right:
            right = o_left
    return left, top, right, bottom


def clearances(picture, box):
    """How many lines lie between the caption and each edge of the box; None for a box with no
    caption drawn. The caption is what differs from the box's background, less the frame and grid
    lines: whole rows or columns of the box in one colour."""
    left, top, right, bottom = box
    background = picture.commonest(left, top, right, bottom)
    lines = {y for y in range(top, bottom) if len(picture.colours(left, y, right, y + 1)) == 1}
    lines_across = {x for x in range(left, right) if len(picture.colours(x, top, x + 1, bottom)) == 1}
    ink_rows, ink_columns = set(), set()
    for y in range(top, bottom):
        if y in lines:
            continue
        row = picture.rows[y]
        for x in range(left, right):
            if x not in lines_across and row[3 * x:3 * x + 3] != background:
                ink_rows.add(y)
                ink_columns.add(x)
    if not ink_rows:
        return None
    return {"top": min(ink_rows) - top, "bottom": bottom - 1 - max(ink_rows),
            "left": min(ink_columns) - left, "right": right - 1 - max(ink_columns)}


def cut_captions(picture, labels, english_picture, english_labels):
    """The captions that touch an edge of their cell (a die's face on its own cell included), each
    with its clearances; a caption may come as close to an edge as the English one of its cell."""
    measure = {}
    for cell in english_labels:
        box = _own_box(cell, english_labels)
        measure[box] = clearances(english_picture, box)
    cut = []
    for cell in labels:
        box = _own_box(cell, labels)
        clear = clearances(picture, box)
        english = measure.get(box) or {}
        if clear and any(room == 0 and english.get(edge, 1) > 0 for edge, room in clear.items()):
            cut.append(f"{cell[0]!r} at {box}: {clear}, English {english or 'none'}")
    return cut
