#!/usr/bin/python3
"""A whole game played as a blind player plays it, through the AT-SPI bus a screen reader reads
(xvfb-run -a dbus-run-session -- BlindPlayerTest.py ZENTILE ZENTILE_SOLVE). The clues come from
the cells' names alone; every key must send an event and give the cell the name expected."""
import contextlib, os, subprocess, sys, tempfile, time
import pyatspi
from gi.repository import GLib

game, solve = sys.argv[1:3]
focus, heard = [], []  # the cell focused last; the cells' events since the last key

def wait_for(what, check, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        with contextlib.suppress(Exception):  # not there yet
            if result := check():
                return result
        time.sleep(0.02)
    sys.exit(f"FAIL: no {what} within {seconds} s")

def name_of(o, focused=False):
    o.clearCache()
    s = o.getState()
    ok = not focused or s.contains(pyatspi.STATE_FOCUSED) and s.contains(pyatspi.STATE_SELECTED)
    return o.name if ok else "(not focused and selected)"

def on_event(event):
    focused = "focused" in event.type
    if event.source.getRole() == pyatspi.ROLE_TABLE_CELL and (event.detail1 == 1 or not focused):
        focus[:] = [event.source] if focused else focus
        heard.append(event.type)

def named(row, column, digit, tail=""):
    return f"Row {row + 1}, column {column + 1}, " + (str(digit) if digit else "empty") + tail

def press(key, before, after):
    """A key on the focused cell named `before`; then the cell focused, or typed in, is `after`."""
    if (name := name_of(focus[-1], True)) != before:
        sys.exit(f"FAIL: before {key} the focused cell is {name!r}, not {before!r}")
    heard.clear()
    subprocess.run(["xdotool", "key", key], check=True)
    same = None if key in ("Up", "Down", "Left", "Right") else focus[-1]
    wait_for(f"event and {after!r} after {key}",
             lambda: heard and name_of(same or focus[-1], not same) == after)

# Asked first, the session bus starts one accessibility bus and registry (own launches race).
desktop = pyatspi.Registry.getDesktop(0)
wait_for("registry", lambda: desktop.childCount >= 0)
config = tempfile.TemporaryDirectory()
player = subprocess.Popen([game], env=dict(
    os.environ, XDG_CONFIG_HOME=config.name, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
    QT_QPA_PLATFORM="xcb", LANGUAGE="C", LC_ALL="C.UTF-8"))
try:
    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused",
                                           "object:property-change:accessible-name")
    app = wait_for("game on the bus", lambda: next(a for a in desktop if a.name == "Zentile"), 30)
    grid = wait_for("grid", lambda: pyatspi.findDescendant(
        app, lambda o: o.getRole() == pyatspi.ROLE_TABLE))
    assert grid.name == "Sudoku grid", grid.name
    cell = grid.queryTable().getAccessibleAt

    def grid_focused():  # no window manager hands the focus out: the window takes it
        subprocess.run(["xdotool", "search", "--name", "^Zentile$", "windowfocus"])
        return grid.clearCache() or grid.getState().contains(pyatspi.STATE_FOCUSED)
    wait_for("focus on the grid", grid_focused)
    subprocess.run(["xdotool", "key", "F2"], check=True)
    wait_for("clues", lambda: sum(name_of(cell(i // 9, i % 9)).endswith("clue")
                                  for i in range(81)) >= 17)

    names = {(r, c): name_of(cell(r, c)) for r in range(9) for c in range(9)}
    clues = {k: int(n.split(", ")[2]) if n.endswith(", clue") else 0 for k, n in names.items()}
    assert all(names[k] == named(*k, d, ", clue" if d else "") for k, d in clues.items()), names
    puzzle = "".join(str(clues[i // 9, i % 9]) for i in range(81))
    count, solution = subprocess.run([solve], input=puzzle + "\n", capture_output=True,
                                     text=True, check=True).stdout.split()
    assert count == "1", puzzle

    subprocess.run(["xdotool", "key", "Right"], check=True)  # shows the cursor if hidden
    wait_for("focused cell", lambda: focus)
    row, column = (int(n.split()[-1]) - 1 for n in name_of(focus[-1]).split(", ")[:2])
    # Row by row, each the other way round from the last, typing into every open cell.
    route = [(r, c) for r in range(9) for c in (range(9) if r % 2 == 0 else range(8, -1, -1))]
    route = route[:max(i for i, k in enumerate(route) if not clues[k]) + 1]
    first = next(k for k in route if not clues[k])
    for r, c in route:
        while (row, column) != (r, c):
            key, dr, dc = (("Down", 1, 0) if row < r else ("Up", -1, 0) if row > r else
                           ("Right", 0, 1) if column < c else ("Left", 0, -1))
            press(key, names[row, column], names[row + dr, column + dc])
            row, column = row + dr, column + dc
        if clues[r, c]:
            continue
        digit = int(solution[r * 9 + c])
        if (r, c) == first:  # a peek at the solution, a wrong digit that Undo takes back, then
            press("ctrl+shift+d", names[r, c], names[r, c] + f", solution {digit}")  # a mark
            press("ctrl+shift+d", names[r, c] + f", solution {digit}", names[r, c])
            wrong = named(r, c, digit % 9 + 1, ", misplaced")
            marked = named(r, c, 0, f", pencil mark {digit}")
            press(str(digit % 9 + 1), names[r, c], wrong)
            press("ctrl+z", wrong, names[r, c])
            press(f"ctrl+{digit}", names[r, c], marked)
            names[r, c] = marked
        press(str(digit), names[r, c], named(r, c, digit))
        names[r, c] = named(r, c, digit)

    solved = lambda: any(pyatspi.findDescendant(w, lambda o: "You solved the puzzle" in o.name)
                         for w in app if w.getRole() != pyatspi.ROLE_FRAME)
    wait_for("solved box", solved)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    wait_for("solved box to close", lambda: not solved())
    print("PASS: solved from the cells' names alone")
finally:
    player.terminate()
    player.wait(10)
