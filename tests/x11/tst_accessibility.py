#!/usr/bin/python3
"""What a screen reader sees of the real program, through AT-SPI.

Runs under Xvfb inside its own session bus (scripts/with-xvfb.sh dbus-run-session --
tst_accessibility.py PROGRAM DATA_DIR): it starts the accessibility bus, the program
in a folder of its own, and checks that no control that takes the focus lacks a
name, and that the keyboard's name follows the next key while a drill runs.
Usage: tst_accessibility.py PROGRAM DATA_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

failures = []


def check(condition, message):
    print(("PASS   : " if condition else "FAIL!  : ") + message, flush=True)
    if not condition:
        failures.append(message)
    return condition


def wait_for(condition, seconds=15.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return None


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            pass
    return None


def find(app, predicate):
    for node in walk(app):
        if predicate(node):
            return node
    return None


def showing_focusable(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)


def keyboard_name(app):
    """The on-screen keyboard's name: "Teclat virtual", or the next key."""
    node = find(app, lambda n: n.name == "Teclat virtual" or n.name.startswith("Tecla següent: "))
    return node.name if node is not None else None


def word_to_type(app):
    node = find(app, lambda n: n.name.startswith("Paraula a escriure: "))
    return node.name[len("Paraula a escriure: "):] if node is not None else None


def main():
    program, data = sys.argv[1], sys.argv[2]
    folder = tempfile.mkdtemp(prefix="teclarium-a11y-")
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    shutil.copy(program, os.path.join(folder, "Teclarium"))
    for name in ("KeyMapping.txt", "CharsToType.txt", "11.tcm"):
        shutil.copy(os.path.join(data, name), folder)
    with open(os.path.join(folder, "Teclarium.ini"), "wb") as ini:
        ini.write(b"[Options]\r\nMkLink=0\r\n")
    env = dict(os.environ, HOME=os.path.join(folder, "home"), XDG_RUNTIME_DIR=runtime,
               XDG_DATA_HOME=os.path.join(folder, "home/.local/share"),
               XDG_CONFIG_HOME=os.path.join(folder, "home/.config"),
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    # The accessibility bus of this session (at-spi-bus-launcher); the registry
    # (at-spi2-registryd) starts on it at the first request.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    wait_for(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                     "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                    capture_output=True).returncode == 0)
    teclarium = subprocess.Popen([os.path.join(folder, "Teclarium")], cwd=folder, env=env)
    try:
        app = wait_for(lambda: application(teclarium.pid), 20)
        if not check(app is not None, "the program appears on the accessibility bus"):
            return
        window = wait_for(lambda: xdo("search", "--onlyvisible", "--pid", str(teclarium.pid),
                                      "--name", "^Teclarium$").split("\n")[0])
        if not check(bool(window), "the main window shows"):
            return
        # The first activation loads the exercise and gives the start button the focus.
        xdo("windowfocus", "--sync", window)
        check(wait_for(lambda: find(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))) is not None,
              "a control has the focus")

        focusable = [n for n in walk(app) if showing_focusable(n)]
        unnamed = [f"{n.getRoleName()} in {n.parent.name!r}" for n in focusable if not n.name.strip()]
        check(len(focusable) > 10, f"the focusable controls are seen: {[n.name for n in focusable]}")
        check(not unnamed, "every focusable control has a name" + (f"; none: {unnamed}" if unnamed else ""))
        keys = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        for name in ("Majúscules esquerra", "Majúscules dreta", "Bloq Maj", "Retrocés", "Alt Gr",
                     "barra espaiadora", "a A", "1 !"):
            check(any(n.name == name for n in keys), f"the key {name!r} is named")
        check(keyboard_name(app) == "Teclat virtual", "the keyboard is named while no drill runs")

        xdo("key", "--window", window, "space")  # the start button
        first = wait_for(lambda: (keyboard_name(app) or "").startswith("Tecla següent: ") and keyboard_name(app))
        word = word_to_type(app)
        if not check(bool(first) and bool(word), f"a drill runs: next key {first!r}, word {word!r}"):
            return
        seen = [first]
        for ch in word:
            xdo("type", "--window", window, ch)
            name = wait_for(lambda: keyboard_name(app) != seen[-1] and keyboard_name(app), 2)
            if name:
                seen.append(name)
        check(len(seen) > 1, f"the next key's name changes as the word is typed: {seen}")
        check(seen[-1] == "Tecla següent: barra espaiadora", "after the word the next key is the space bar")
    finally:
        teclarium.kill()
        teclarium.wait()
        bus.terminate()
        bus.wait()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
    print(f"Totals: {len(failures)} failed", flush=True)
    sys.exit(1 if failures else 0)
