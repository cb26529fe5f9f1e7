"""A walk of the running program's accessibility tree, as a screen reader's user meets it.
Usage: accessibility_walk.py PID WINDOW [english]. A failed check prints "FAIL: ..." and exits 1.
With "english", only the names: all there, and no kana or kanji in any."""
import re
import subprocess
import sys
import time

import pyatspi

# The first start has no scheme, so 変更 and 削除 are disabled and Tab passes them; the TYPE
# group is one stop, its checked item (the arrow keys move within it).
TAB_ORDER = [("combo box", "配色リスト"), ("slider", "赤 (R)"), ("slider", "緑 (G)"),
             ("push button", "終 了"), ("radio button", "BGCOLOR"), ("slider", "青 (B)"),
             ("text", "赤 (R)"), ("text", "緑 (G)"), ("text", "青 (B)"), ("spin button", "赤 (R)"),
             ("spin button", "緑 (G)"), ("spin button", "青 (B)"), ("check box", "16進"),
             ("push button", "追加"), ("push button", "スポイト")]
KANA_KANJI = re.compile("[\u3040-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff65-\uff9f]")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def until(what, probe, seconds=10):
    end = time.monotonic() + seconds
    while not (value := probe()):
        if time.monotonic() > end:
            fail(what())
        time.sleep(0.05)
    return value


def tree(node):
    for child in filter(None, (node.getChildAtIndex(i) for i in range(node.childCount))):
        yield child
        yield from tree(child)


def key(window, name):
    subprocess.run(["timeout", "5", "xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def walk(pid, window, english):
    app = until(lambda: "the program is not on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid
         and a.childCount), None))
    nodes = list(tree(app))
    focusable = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                 and n.getState().contains(pyatspi.STATE_SHOWING)]
    if unnamed := [n.getRoleName() for n in focusable if not n.name.strip()]:
        fail(f"{len(unnamed)} of {len(focusable)} focusable controls have no name: {unnamed}")
    print(f"{len(focusable)} focusable controls, all named: ok")
    if english:
        if japanese := sorted({n.name for n in nodes if KANA_KANJI.search(n.name or "")}):
            fail(f"names in Japanese on an English desktop: {japanese}")
        print("no kana or kanji in any name: ok")
        return

    def focused():
        node = next((n for n in tree(app) if n.getState().contains(pyatspi.STATE_FOCUSED)), None)
        return node and (node.getRoleName(), node.name)

    # Wherever the window starts, Tab comes round to the first control; from there one round
    # visits every control in order and comes back to it.
    for _ in range(2 * len(TAB_ORDER)):
        if focused() == TAB_ORDER[0]:
            break
        key(window, "Tab")
        time.sleep(0.1)
    for expected in TAB_ORDER[1:] + TAB_ORDER[:1]:
        before = focused()
        key(window, "Tab")
        reached = until(lambda: f"Tab after {before} moved nowhere",
                        lambda: focused() != before and focused())
        if reached != expected:
            fail(f"Tab after {before} reached {reached}, not {expected}")
    print(f"Tab visits {len(TAB_ORDER)} controls in the layout's order: ok")

    swatch, background = (next(n for n in nodes if n.name == name)
                          for name in ("編集中の色", "背景色 BGCOLOR"))
    if (swatch.description, background.description) != ("#008080 teal",) * 2:
        fail(f"at start: {swatch.description!r}, {background.description!r}")
    key(window, "ctrl+v")  # the clipboard has held #1E90FF since the start
    until(lambda: f"after the paste the swatch says {swatch.description!r}",
          lambda: swatch.description == "#1E90FF dodgerblue")
    if background.description != "#008080 teal":
        fail("the paste changed the background before it was applied")
    key(window, "ctrl+Return")
    until(lambda: f"after Ctrl+Return the background says {background.description!r}",
          lambda: background.description == "#1E90FF dodgerblue")
    print("the pasted colour announced on the swatch and, applied, on the background: ok")


if __name__ == "__main__":
    walk(int(sys.argv[1]), sys.argv[2], sys.argv[3:] == ["english"])
