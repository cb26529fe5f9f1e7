"""The running program as a screen reader's user meets it, through the AT-SPI bus.

  accessibility_walk.py wait-bus              until the session bus has the accessibility bus
  accessibility_walk.py walk PID WID [english] the walk; with "english", no kana or kanji in
                                               any name either
Every check polls against a deadline and ends the run with a line starting "FAIL:".
"""
import re
import subprocess
import sys
import time

DEADLINE_S = 10

# The controls that take the focus, in the layout's tab order, as a reader announces them.
# The first start has no scheme, so the scheme buttons 変更 and 削除 are disabled and skipped;
# the TYPE group is one stop, its checked item (the arrow keys move within it).
TAB_ORDER = [
    ("combo box", "配色リスト"), ("slider", "赤 (R)"), ("slider", "緑 (G)"),
    ("push button", "終 了"), ("radio button", "BGCOLOR"), ("slider", "青 (B)"), ("text", "赤 (R)"), ("text", "緑 (G)"), ("text", "青 (B)"),
    ("spin button", "赤 (R)"), ("spin button", "緑 (G)"), ("spin button", "青 (B)"),
    ("check box", "16進"), ("push button", "追加"), ("push button", "スポイト"),
]
SWATCH, BACKGROUND = "編集中の色", "背景色 BGCOLOR"
KANA_KANJI = re.compile("[\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff65-\uff9f]")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def until(what, probe):
    end = time.monotonic() + DEADLINE_S
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            fail(what)
        time.sleep(0.05)


def wait_bus():
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, -1, None)
        return reply.unpack()[0]

    until("no accessibility bus on the session bus", owned)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def key(wid, *keys):
    subprocess.run(["timeout", "5", "xdotool", "windowfocus", "--sync", wid], check=True)
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def walk(pid, wid, english):
    import pyatspi

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        return None

    app = until("the program is not on the accessibility bus", application)
    nodes = list(descendants(app))

    def by_name(name):
        return next((n for n in nodes if n.name == name), None) or fail(f"nothing named {name}")

    focusable = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                 and n.getState().contains(pyatspi.STATE_SHOWING)]
    unnamed = [n.getRoleName() for n in focusable if not n.name.strip()]
    if unnamed:
        fail(f"{len(unnamed)} of {len(focusable)} focusable controls have no name: {unnamed}")
    print(f"{len(focusable)} focusable controls, all named: ok")

    if english:
        japanese = sorted({n.name for n in nodes if KANA_KANJI.search(n.name or "")})
        if japanese:
            fail(f"names in Japanese under an English desktop: {japanese}")
        print("no kana or kanji in any name: ok")
        return

    def focused():
        return next((n for n in descendants(app)
                     if n.getState().contains(pyatspi.STATE_FOCUSED)), None)

    def announced(node):
        return (node.getRoleName(), node.name) if node is not None else None

    # Wherever the window starts, Tab comes round to the first control; from there one round
    # visits every control in order and comes back.
    for _ in range(2 * len(TAB_ORDER)):
        if announced(focused()) == TAB_ORDER[0]:
            break
        key(wid, "Tab")
        time.sleep(0.1)
    else:
        fail(f"Tab never reached the first control {TAB_ORDER[0]}")
    for expected in TAB_ORDER[1:] + TAB_ORDER[:1]:
        before = announced(focused())
        key(wid, "Tab")
        reached = until(f"Tab after {before} moved nowhere",
                        lambda: announced(focused()) != before and announced(focused()))
        if reached != expected:
            fail(f"Tab after {before} reached {reached}, not {expected}")
    print(f"Tab visits {len(TAB_ORDER)} controls in the layout's order: ok")

    swatch, background = by_name(SWATCH), by_name(BACKGROUND)
    for node, start in ((swatch, "#008080 teal"), (background, "#008080 teal")):
        if node.description != start:
            fail(f"{node.name} is described as {node.description!r}, not {start!r}")
    key(wid, "ctrl+v")  # the clipboard has held #1E90FF since the start
    until(f"after the paste the swatch says {swatch.description!r}",
          lambda: swatch.description == "#1E90FF dodgerblue")
    if background.description != "#008080 teal":
        fail("the paste changed the background before it was applied")
    key(wid, "ctrl+Return")
    until(f"after Ctrl+Return the background says {background.description!r}",
          lambda: background.description == "#1E90FF dodgerblue")
    print("pasted colour announced on the swatch and applied to BGCOLOR: ok")


if __name__ == "__main__":
    if sys.argv[1:2] == ["wait-bus"]:
        wait_bus()
    elif sys.argv[1:2] == ["walk"] and len(sys.argv) in (4, 5):
        walk(int(sys.argv[2]), sys.argv[3], sys.argv[4:] == ["english"])
    else:
        fail("usage: accessibility_walk.py wait-bus | walk PID WID [english]")
