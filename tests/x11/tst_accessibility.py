#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
"""What a screen reader sees of the real program, through AT-SPI: no control that takes
the focus lacks a name, the keyboard's name follows the next key during a drill, and
the drill speaks: a notification shows, which a screen reader says unasked with its
name, for each new word, each wrong key and the counters asked for; the report of a
course lesson names the keys it unlocks with their fingers and rows.
Runs under Xvfb in a session bus of its own:
    with-xvfb.sh dbus-run-session -- tst_accessibility.py PROGRAM DATA_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib
from x11_support import check, finish, xdo
from x11_support import wait_for as support_wait_for

def pump_events():
    # AT-SPI events arrive through the main loop.
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(condition, seconds=15.0):
    return support_wait_for(condition, seconds, pump_events)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def application(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)


def named(app, prefix):
    """The name of the first node whose name starts with prefix, or None."""
    return next((n.name for n in walk(app) if n.name.startswith(prefix)), None)


def containing(app, text):
    """The name of the first node whose name holds text, or None."""
    return next((n.name for n in walk(app) if text in n.name), None)


def run(program, data, folder):
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    shutil.copy(program, os.path.join(folder, "Teclarium"))
    for name in ("KeyMapping.txt", "CharsToType.txt", "11.tcm", "curs.txt", "paraules.txt"):
        shutil.copy(os.path.join(data, name), folder)
    with open(os.path.join(folder, "Teclarium.ini"), "wb") as ini:
        # Past the first start: no shortcut offer. Short course lessons, any speed at the target.
        ini.write(b"[Options]\r\nMkLink=0\r\nCourseTargetSpeed=10\r\nCourseTargetAccuracy=50\r\n"
                  b"CourseLessonWords=5\r\n")
    # The course's first keys, a, f and j, typed fast before: the first lesson unlocks
    # the next step however slowly a loaded machine types it.
    with open(os.path.join(folder, "Teclarium.hist"), "wb") as history:
        history.write(b"2026-12-07 10:44:14\tcurs\t3\t33\t0\t0\t12.5\t0.0\t4.1\t14.4\t48\t"
                      b"{a=11/0 f=11/0 j=11/0}\t{a=3000:10 f=3000:10 j=3000:10}\r\n")
    home = os.path.join(folder, "home")
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, XDG_DATA_HOME=home + "/.local/share",
               XDG_CONFIG_HOME=home + "/.config", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # The accessibility bus (at-spi-bus-launcher); its registry (at-spi2-registryd) starts
    # on it at the first request.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    teclarium = subprocess.Popen([os.path.join(folder, "Teclarium")], cwd=folder, env=env)
    try:
        app = wait_for(lambda: application(teclarium.pid), 20)
        window = wait_for(lambda: xdo("search", "--onlyvisible", "--pid", str(teclarium.pid), "--name", "^Teclarium$"))
        if not check(app is not None and bool(window), "the program's window is on the accessibility bus"):
            return
        # The first activation loads the exercise and gives the start button the focus.
        window = window.split("\n")[0]
        xdo("windowfocus", "--sync", window)
        check(wait_for(lambda: any(n.getState().contains(pyatspi.STATE_FOCUSED) for n in walk(app))),
              "a control has the focus")
        focusable = [n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                     and n.getState().contains(pyatspi.STATE_SHOWING)]
        unnamed = [f"{n.getRoleName()} in {n.parent.name!r}" for n in focusable if not n.name.strip()]
        check(len(focusable) > 10 and not unnamed,
              f"{len(focusable)} focusable controls, each with a name; none: {unnamed}")
        keys = {n.name for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        wanted = {"Majúscules esquerra", "Majúscules dreta", "Bloq Maj", "Retrocés", "Alt Gr", "barra espaiadora",
                  "a A", "1 !"}
        check(wanted <= keys, f"the keys are named; missing: {wanted - keys}")
        check(named(app, "Teclat virtual") is not None, "the keyboard is named while no drill runs")

        # What a screen reader says unasked: a notification that shows, with its name (Qt 6.4),
        # or an announcement, with its text (Qt 6.8 and later).
        said = []

        def on_showing(event):
            try:
                if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    said.append(event.source.name)
            except GLib.Error:
                pass  # an object gone before its event is read (a closed dialog's)

        def on_announcement(event):
            said.append(str(event.any_data))

        pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(on_announcement, "object:announcement")
        xdo("key", "--window", window, "space")  # the start button
        seen = [wait_for(lambda: named(app, "Tecla següent: "))]
        word = named(app, "Paraula a escriure: ")
        if not check(bool(seen[0]) and bool(word), f"a drill runs: {seen[0]!r}, {word!r}"):
            return
        for ch in word[len("Paraula a escriure: "):]:
            xdo("type", "--window", window, ch)
            name = wait_for(lambda: named(app, "Tecla següent: ") not in (None, seen[-1]), 2)
            if name:
                seen.append(named(app, "Tecla següent: "))
        check(len(seen) > 2 and seen[-1] == "Tecla següent: barra espaiadora",
              f"the next key's name follows the word typed, up to the space bar: {seen}")
        first = word[len("Paraula a escriure: "):]

        def spoken(prefix):
            return wait_for(lambda: next((text for text in said if text.startswith(prefix)), None), 5)

        check(spoken(first) is not None, f"the first word is said: {first!r} in {said}")
        xdo("key", "--window", window, "space")  # the next word
        second = wait_for(lambda: named(app, "Paraula a escriure: ") != word and named(app, "Paraula a escriure: "))
        second = (second or "")[len("Paraula a escriure: "):]
        check(bool(second) and spoken(second) is not None, f"the next word is said: {second!r} in {said}")
        wrong = "q" if not second.startswith("q") else "w"
        xdo("type", "--window", window, wrong)
        check(spoken("error: ") is not None and "; calia " in spoken("error: "),
              f"a wrong key is said at once: {said[-1:]}")
        check(wait_for(lambda: named(app, "Caràcters equivocats: 1")) is not None
              and named(app, "Paraules fetes: 1") is not None,
              f"the counters are named: {named(app, 'Paraules fetes')!r}, {named(app, 'Caràcters equivocats')!r}")
        xdo("key", "--window", window, "F4")
        check(spoken("1 paraula, 1 error") is not None, f"F4 says the counters: {said[-1:]}")
        with open(f"/proc/{teclarium.pid}/maps", encoding="utf-8") as maps:
            loaded = maps.read()
        check("libteclarium_voice" not in loaded and "libspeechd" not in loaded,
              "through the screen reader the own voice's module is never loaded")

        # A course lesson typed at the target: the keys it unlocks are said with their fingers.
        xdo("key", "--window", window, "Escape")  # the drill ends; its report closes
        time.sleep(1)
        xdo("key", "Return")
        xdo("windowfocus", "--sync", window)
        xdo("key", "alt+a")
        time.sleep(0.5)
        xdo("key", "u")  # Curs...
        course = wait_for(lambda: xdo("search", "--onlyvisible", "--pid", str(teclarium.pid), "--name", "^Curs$"))
        if not check(bool(course), "the course window opens"):
            return
        before = len(said)
        xdo("key", "--window", course.split("\n")[0], "Return")  # Comença la lliçó
        # Its first word is said once the main window, activated for it, has settled.
        lesson = (wait_for(lambda: named(app, "Paraula a escriure: "), 5) or "")[len("Paraula a escriure: "):]
        check(bool(lesson) and wait_for(lambda: any(t.startswith(lesson) for t in said[before:]), 5) is not None,
              f"a lesson's first word is said: {lesson!r} in {said[before:]}")
        for _ in range(90):  # up to three lessons: each report answered Yes starts the next
            if containing(app, "Nova tecla: d, "):
                break
            word = wait_for(lambda: named(app, "Paraula a escriure: "), 3)
            if not word:
                xdo("key", "Return")
                time.sleep(0.5)
                continue
            xdo("type", "--window", window, word[len("Paraula a escriure: "):])
            xdo("key", "--window", window, "space")
            wait_for(lambda: named(app, "Paraula a escriure: ") != word, 2)
        # In the report's own text, which a screen reader reads with its dialog, before its question.
        news = wait_for(lambda: containing(app, "Nova tecla: d, "), 5) or ""
        check("Nova tecla: d, mitjà esquerre, fila del mig. Nova tecla: k, mitjà dret, fila del mig.\n\n"
              "Voleu fer la lliçó següent?" in news, f"the report names the new keys' fingers and rows: {news!r}")
    finally:
        teclarium.kill()
        teclarium.wait()
        bus.terminate()
        bus.wait()


if __name__ == "__main__":
    with tempfile.TemporaryDirectory(prefix="teclarium-a11y-") as temporary:
        run(sys.argv[1], sys.argv[2], temporary)
    finish()
