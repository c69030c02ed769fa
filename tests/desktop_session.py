#!/usr/bin/python3
"""Zyklar on a real desktop, driven only from outside its process.

Runs inside desktop_session.sh (Xvfb, openbox, an AT-SPI bus) while the real
program runs, as one of three sessions: "desktop" (geometry, keyboard, window
titles), "accessibility" (the tree of both windows) or "english" (the same
program under an English locale). Key presses and mouse clicks go through xdotool; what the
program shows is read back over AT-SPI (the accessibility tree, focus,
values, texts) and from the X server (window titles and geometry).
Prints one line per check and closes with "N passed, M failed".
"""

import subprocess
import sys
import time

import pyatspi

SCREEN = (1024, 768)
results = []


def check(name, ok, detail=""):
    results.append(ok)
    print(("PASS: " if ok else "FAIL: ") + name + ("" if ok else f" ({detail})"), flush=True)


def settled(read, expected, seconds=5.0):
    """What read() gives once it gives `expected`, or at the deadline: the
    program answers a key press in its own time."""
    wait_for(lambda: read() == expected, seconds)
    return read()


def wait_for(condition, seconds=8.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


# ---- The X server ----------------------------------------------------------

def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def key(*keys):
    run("xdotool", "key", "--delay", "60", *keys)
    time.sleep(0.25)


def type_text(text):
    run("xdotool", "type", "--delay", "40", text)
    time.sleep(0.2)


def click_at(x, y):
    run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
    time.sleep(0.3)


def visible_windows():
    """Title and X window id of every mapped top-level window."""
    ids = run("xdotool", "search", "--onlyvisible", "--name", ".").split()
    return [(run("xdotool", "getwindowname", i), i) for i in ids]


def titles():
    return sorted(title for title, _ in visible_windows())


def window_with_title(title):
    return next((i for t, i in visible_windows() if t == title), None)


def outer_geometry(window):
    """The window with its frame: the client area grown by _NET_FRAME_EXTENTS."""
    info = run("xwininfo", "-id", window)
    value = {}
    for line in info.splitlines():
        line = line.strip()
        for field in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
            if line.startswith(field + ":"):
                value[field] = int(line.split(":")[1])
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
    left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return (value["Absolute upper-left X"] - left, value["Absolute upper-left Y"] - top,
            value["Width"] + left + right, value["Height"] + top + bottom)


def stacking():
    """The managed windows, bottom first, as the window manager stacks them."""
    ids = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").split("#")[-1]
    return [int(i, 16) for i in ids.replace(",", " ").split()]


def above(windows, below):
    order = stacking()
    return all(int(w) in order and order.index(int(w)) > order.index(int(below))
               for w in windows)


# ---- The accessibility tree ------------------------------------------------

def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "zyklar":
            return app
    return None


def nodes(root):
    found = []

    def walk(node):
        if node is None:
            return
        found.append(node)
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i))

    walk(root)
    return found


def top_window(title):
    app = application()
    for i in range(app.childCount if app else 0):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title:
            return window
    return None


def find(window, role, name):
    for node in nodes(window):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


_candidates = []


def focused_name():
    """The name of the focused control; a text box answers through its editor."""
    if not _candidates:  # the main window's tree does not change: read it once
        _candidates.extend(n for n in nodes(top_window("Zyklar"))
                           if n.getState().contains(pyatspi.STATE_FOCUSABLE))
    deepest = None
    for node in _candidates:
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            deepest = node
    if deepest is None:
        return None
    node = deepest
    while node is not None and not node.name:
        node = node.parent
    return node.name if node is not None else None


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def click(node):
    click_at(*centre(node))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


# ---- The checks --------------------------------------------------------------

MAIN_CONTROLS = [
    ("text", "N="), ("text", "k="), ("scroll bar", "N einstellen"),
    ("scroll bar", "k einstellen"), ("push button", "Analyse"), ("check box", "Einzelschritt"),
    ("radio button", "Stern"), ("radio button", "Speiche"),
    ("text", "Die Folge"), ("text", "Abstände zu den Nachbarn"),
    ("text", "Folge der Minimalabstände"), ("text", "k: Summe"),
    ("text", "Reihenfolge der Felderbelegung / Permutation"), ("text", "Kopfzeile 1 bis N"),
    ("text", "Kopfzeile Extremfolge"), ("text", "Spaltenkopf k: Summe"),
    ("push button", "Bild löschen"), ("push button", "Minimalabstände löschen"),
    ("push button", "Permutation löschen"), ("label", "Zyklar-Analysator"),
    ("panel", "Eingabe"), ("image", "Kreis der Positionen"), ("label", "N="), ("label", "k="),
    ("label", "Die Folge"), ("label", "Reihenfolge der Felderbelegung / Permutation"),
    ("menu item", "Programm beenden"), ("menu item", "Größe"),
    ("menu item", "Alles löschen"), ("menu item", "copyright"), ("menu item", "Extras"),
    ("menu item", "Rangliste…"), ("menu item", "Bild speichern…"),
    ("menu item", "Ergebnisse speichern…"),
]
RANKING_CONTROLS = [
    ("table", "Rangliste der Multiplikatoren"), ("label", "Erläuterung der Rangliste"),
    ("chart", "Verlauf der Minimalabstände"), ("table column header", "Rang"),
    ("table column header", "größter Teilnenner"),
]
TAB_COLUMN = [
    "k=", "Reihenfolge der Felderbelegung / Permutation", "Analyse", "Permutation löschen",
    "Die Folge", "Folge der Minimalabstände", "Minimalabstände löschen", "Kreis der Positionen",
    "Einzelschritt", "Abstände zu den Nachbarn", "N einstellen", "Stern", "Bild löschen",
    "k einstellen", "Kopfzeile 1 bis N", "Kopfzeile Extremfolge", "k: Summe",
    "Spaltenkopf k: Summe", "N=",
]


def accessibility(main_window, x_window):
    """Every control of the main window and of the ranking window, by name and role."""
    missing = [c for c in MAIN_CONTROLS if find(main_window, *c) is None]
    check("every control of the main window, by name and role", not missing, missing)
    run("xdotool", "windowactivate", "--sync", x_window)
    key("ctrl+r")
    ranking = wait_for(lambda: top_window("Rangliste"))
    missing = [c for c in RANKING_CONTROLS if ranking is None or find(ranking, *c) is None]
    check("every control of the ranking window, by name and role", not missing, missing)
    check("the ranking is a window (a frame to AT-SPI)", ranking is not None and ranking.getRoleName() == "frame",
          ranking and ranking.getRoleName())


def desktop(main_window, x_window):
    """Geometry, keyboard and titles, as a person meets them."""
    # The whole window fits the screen, frame included, from the first show.
    geometry = settled(lambda: outer_geometry(x_window), (0, 0) + SCREEN)
    check("outer geometry is the screen", geometry == (0, 0) + SCREEN, geometry)
    check("main window title", titles() == ["Zyklar"], titles())

    # The zoom commands size the window, frame and all: "kleiner" to the
    # screen divided by 1.1, "Bildschirm" back to the whole screen.
    for command, size in (("kleiner", (931, 698)), ("Bildschirm", SCREEN)):
        click(find(main_window, "menu item", "Größe"))
        item = wait_for(lambda: find(main_window, "menu item", command))
        click(item)
        geometry = wait_for(lambda: outer_geometry(x_window) == (0, 0) + size
                            and outer_geometry(x_window))
        check(f"\"{command}\" gives the outer size {size}", geometry == (0, 0) + size,
              outer_geometry(x_window))

    # Tab walks the design's tab column and comes round to N=.
    click(find(main_window, "text", "N="))
    settled(focused_name, "N=")
    visited = []
    for expected in TAB_COLUMN:
        key("Tab")
        visited.append(settled(focused_name, expected))
    check("Tab visits the controls in order", visited == TAB_COLUMN, visited)
    key("shift+Tab")
    last = settled(focused_name, "Spaltenkopf k: Summe")
    check("Shift+Tab from the first reaches the last", last == "Spaltenkopf k: Summe", last)

    # The arrow keys move N the right way, with the Change handler's effects.
    n_box = find(main_window, "text", "N=")
    scroll = find(main_window, "scroll bar", "N einstellen")
    click(n_box)
    settled(focused_name, "N=")
    for expected in TAB_COLUMN[:TAB_COLUMN.index("N einstellen") + 1]:
        key("Tab")
        settled(focused_name, expected)
    key("Right")
    n = settled(lambda: (scroll.queryValue().currentValue, text_of(n_box)), (22, "22"))
    check("Right adds one to N", n == (22, "22"), n)
    for keys, expected, name in ((("Left", "Left"), "20", "Left takes one"),
                                 (("End",), "200", "End goes to 200"),
                                 (("Home",), "2", "Home goes to 2")):
        key(*keys)
        shown = settled(lambda: text_of(n_box), expected)
        check(name, shown == expected, shown)

    def enter(name, value):
        click(find(main_window, "text", name))
        key("ctrl+a")
        type_text(value)

    def activate_main():
        run("xdotool", "windowactivate", "--sync", x_window)
        time.sleep(0.3)

    # Every box shows exactly its own title.
    click(find(main_window, "menu item", "copyright"))
    check("author credit title", wait_for(lambda: window_with_title("Programmiert von")),
          titles())
    key("Return")
    wait_for(lambda: titles() == ["Zyklar"])

    enter("N=", "21")
    enter("k=", "8")
    click(find(main_window, "check box", "Einzelschritt"))
    click(find(main_window, "push button", "Analyse"))
    check("single-step question title", wait_for(lambda: window_with_title("Einzelschritt")),
          titles())
    key("Escape")
    wait_for(lambda: titles() == ["Zyklar"])
    click(find(main_window, "check box", "Einzelschritt"))

    enter("N=", "21")
    enter("k=", "6")
    click(find(main_window, "push button", "Analyse"))
    check("divisor message title", wait_for(lambda: titles() == ["Zyklar", "Zyklar"]), titles())
    key("Return")
    wait_for(lambda: titles() == ["Zyklar"])

    activate_main()
    key("ctrl+r")
    check("ranking window title", wait_for(lambda: window_with_title("Rangliste")), titles())

    activate_main()
    key("ctrl+s")
    check("file dialog title", wait_for(lambda: window_with_title("Bild speichern")), titles())
    key("Escape")
    check("no title has anything appended",
          all(" — " not in t and " - " not in t for t in titles()), titles())
    wait_for(lambda: titles() == ["Rangliste", "Zyklar"])
    stays_in_front(main_window, x_window, enter)


def stays_in_front(main_window, x_window, enter):
    """"Drei Abstände" and "Rangliste" stay above the main window whatever
    happens there, minimise with it, and a modal box still comes first."""
    activate_main = lambda: run("xdotool", "windowactivate", "--sync", x_window)
    activate_main()
    key("ctrl+d")
    gaps = wait_for(lambda: window_with_title("Drei Abstände"))
    ranking = window_with_title("Rangliste")
    extras = [gaps, ranking]
    check("both windows open above the main window", above(extras, x_window), stacking())

    def after(action, name):
        action()
        time.sleep(0.5)
        check(f"in front after {name}", wait_for(lambda: above(extras, x_window), 3), stacking())

    after(lambda: click(find(main_window, "image", "Kreis der Positionen")),
          "a click on the ring")
    after(lambda: click(find(main_window, "text", "Folge der Minimalabstände")),
          "a click in a list")
    after(lambda: click(find(main_window, "push button", "Analyse")), "\"Analyse\"")
    after(lambda: enter("N=", "34"), "typing into N")
    after(lambda: enter("k=", "21"), "typing into k")

    click(find(main_window, "check box", "Einzelschritt"))
    click(find(main_window, "push button", "Analyse"))
    question = wait_for(lambda: window_with_title("Einzelschritt"))
    check("the single-step question comes first",
          question is not None and above([question], gaps) and above([question], ranking),
          stacking())
    key("Escape")
    wait_for(lambda: window_with_title("Einzelschritt") is None)
    check("in front after the single-step question", above(extras, x_window), stacking())
    click(find(main_window, "check box", "Einzelschritt"))

    activate_main()
    key("ctrl+s")
    dialog = wait_for(lambda: window_with_title("Bild speichern"))
    check("the save dialog comes first", dialog is not None and above([dialog], gaps),
          stacking())
    key("Escape")
    wait_for(lambda: window_with_title("Bild speichern") is None)
    check("in front after the main window's save dialog", above(extras, x_window), stacking())

    click(find(top_window("Drei Abstände"), "push button", "Bild speichern…"))
    wait_for(lambda: window_with_title("Bild speichern"))
    key("Escape")
    wait_for(lambda: window_with_title("Bild speichern") is None)
    activate_main()
    check("in front after the save dialog of \"Drei Abstände\"", above(extras, x_window),
          stacking())

    run("xdotool", "windowminimize", "--sync", x_window)
    hidden = wait_for(lambda: not window_with_title("Drei Abstände")
                      and not window_with_title("Rangliste"), 3)
    check("they minimise with the main window", hidden, titles())
    activate_main()
    check("and come back with it, in front",
          wait_for(lambda: window_with_title("Drei Abstände") and above(extras, x_window), 3),
          stacking())


def english(main_window, x_window):
    """Under an English locale every window, menu and message speaks English,
    laid out as in German."""
    geometry = settled(lambda: outer_geometry(x_window), (0, 0) + SCREEN)
    check("outer geometry is the screen", geometry == (0, 0) + SCREEN, geometry)
    controls = [("push button", "Analyze"), ("check box", "Single step"),
                ("radio button", "Star"), ("radio button", "Spoke"),
                ("scroll bar", "Set N"), ("text", "Sequence of minimal distances"),
                ("label", "Zyklar Analyzer"), ("menu item", "Quit"), ("menu item", "Size"),
                ("menu item", "Ranking…"), ("menu item", "Three gaps…"),
                ("menu item", "Sprache / Language")]
    missing = [c for c in controls if find(main_window, *c) is None]
    check("the main window's controls in English", not missing, missing)

    run("xdotool", "windowactivate", "--sync", x_window)
    key("ctrl+r")
    ranking = wait_for(lambda: top_window("Ranking"))
    check("ranking window title", wait_for(lambda: window_with_title("Ranking")), titles())
    missing = [c for c in (("table", "Ranking of the multipliers"),
                           ("label", "Explanation of the ranking"),
                           ("chart", "Course of the minimal distances"),
                           ("table column header", "Rank"),
                           ("table column header", "Largest partial quotient"))
               if ranking is None or find(ranking, *c) is None]
    check("the ranking window's controls in English", not missing, missing)

    run("xdotool", "windowactivate", "--sync", x_window)
    key("ctrl+d")
    check("the window of the three gaps", wait_for(lambda: window_with_title("Three gaps")),
          titles())

    run("xdotool", "windowactivate", "--sync", x_window)
    click(find(main_window, "check box", "Single step"))
    click(find(main_window, "push button", "Analyze"))
    check("single-step question title", wait_for(lambda: window_with_title("Single step")),
          titles())
    question = wait_for(lambda: find(top_window("Single step"), "push button", "Yes"))
    check("the question's buttons are Yes and No",
          question is not None and find(top_window("Single step"), "push button", "No") is not None)
    key("Escape")


def main(session):
    if not wait_for(lambda: top_window("Zyklar"), 20):
        check("the window appears on the accessibility bus", False, "no window named Zyklar")
        return
    session(top_window("Zyklar"), wait_for(lambda: window_with_title("Zyklar")))


if __name__ == "__main__":
    try:
        main({"accessibility": accessibility, "english": english}.get(sys.argv[1], desktop))
    except Exception as error:  # a crash of the driver is a failed check
        check("the session ran to its end", False, repr(error))
    failed = results.count(False)
    print(f"{len(results) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
