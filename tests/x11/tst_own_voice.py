#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
"""The program's own voice reaches the speech server: with the own voice chosen, a short
drill's words and a wrong key are handed to speech-dispatcher (its log shows each
message queued, whatever the audio does). Runs under Xvfb in a session bus of its own:
    with-xvfb.sh dbus-run-session -- tst_own_voice.py PROGRAM DATA_DIR
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

from x11_support import check, finish, wait_for, xdo


def queued(log):
    """The messages the speech server queued, in order."""
    try:
        with open(log, encoding="utf-8", errors="replace") as f:
            return [line.split("Queueing message |", 1)[1].rsplit("| with priority", 1)[0]
                    for line in f if "Queueing message |" in line]
    except FileNotFoundError:
        return []


def run(program, data, folder):
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    logs = os.path.join(folder, "speech-log")
    os.mkdir(logs)
    shutil.copy(program, os.path.join(folder, "Teclarium"))
    for module in glob.glob(os.path.join(os.path.dirname(program), "libteclarium_*.so")):
        shutil.copy(module, folder)
    for name in ("KeyMapping.txt", "CharsToType.txt", "11.tcm"):
        shutil.copy(os.path.join(data, name), folder)
    with open(os.path.join(folder, "Teclarium.ini"), "wb") as ini:
        ini.write(b"[Options]\r\nMkLink=0\r\nSpeech=2\r\nSpeechRate=3\r\n")
    home = os.path.join(folder, "home")
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime, XDG_DATA_HOME=home + "/.local/share",
               XDG_CONFIG_HOME=home + "/.config", QT_QPA_PLATFORM="xcb")
    # The speech server of this session, logging every message it is handed, its sound
    # going nowhere (libao's null driver): without a sound server its own output stalls.
    config = os.path.join(folder, "speechd")
    os.mkdir(config)
    for entry in os.listdir("/etc/speech-dispatcher"):
        if entry != "speechd.conf":
            os.symlink(os.path.join("/etc/speech-dispatcher", entry), os.path.join(config, entry))
    with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as f:
        conf = f.read()
    with open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as f:
        f.write(conf + '\nAudioOutputMethod "libao"\n')
    os.makedirs(home)
    with open(os.path.join(home, ".libao"), "w", encoding="utf-8") as f:
        f.write("default_driver=null\n")
    server = subprocess.Popen(["speech-dispatcher", "-s", "-l", "5", "-L", logs, "-t", "0", "-C", config], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
    log = os.path.join(logs, "speech-dispatcher.log")
    teclarium = None
    try:
        if not check(wait_for(lambda: os.path.exists(socket), 20) is not None, "the speech server runs"):
            return
        teclarium = subprocess.Popen([os.path.join(folder, "Teclarium")], cwd=folder, env=env)
        window = wait_for(lambda: xdo("search", "--onlyvisible", "--pid", str(teclarium.pid), "--name", "^Teclarium$"))
        if not check(bool(window), "the program's window shows"):
            return
        window = window.split("\n")[0]
        xdo("windowfocus", "--sync", window)
        time.sleep(1)  # the first activation loads the exercise and focuses the start button
        xdo("key", "--window", window, "space")  # starts the drill: its first word is said
        first = wait_for(lambda: queued(log), 20)
        if not check(bool(first), f"the first word reaches the speech server: {first}"):
            return
        word = first[0].split(".")[0]
        xdo("type", "--window", window, "q" if not word.startswith("q") else "w")
        said = wait_for(lambda: [m for m in queued(log) if m.startswith("error: ")], 10)
        check(bool(said) and "; calia " in said[0], f"a wrong key is said at once: {queued(log)}")
        xdo("key", "F2")  # real key events (XTEST), as a keyboard sends them
        spelled = wait_for(lambda: queued(log)[2:], 10)
        # The shipped exercise starts with "fj"; another word is spelled in as many names.
        check(bool(spelled) and (spelled[0] == "efa, jota" if word == "fj" else spelled[0].count(", ") == len(word) - 1),
              f"F2 spells the word: {queued(log)}")
        xdo("key", "F4")
        time.sleep(2)
        # The server writes its log in blocks: stopped, it has written everything.
        teclarium.kill()
        teclarium.wait()
        teclarium = None
        server.terminate()
        try:
            server.wait(10)
        except subprocess.TimeoutExpired:
            pass
        said = queued(log)
        check(said[3:] == ["0 paraules, 1 error"], f"F4 says the counters, and each is said once: {said}")
        with open(log, encoding="utf-8", errors="replace") as f:
            commands = f.read()
        check("SET SELF LANGUAGE ca" in commands and "SET SELF RATE 30" in commands,
              "in Catalan, at the rate chosen")
    finally:
        if teclarium:
            teclarium.kill()
            teclarium.wait()
        server.kill()
        server.wait()


if __name__ == "__main__":
    with tempfile.TemporaryDirectory(prefix="teclarium-voice-") as temporary:
        run(sys.argv[1], sys.argv[2], temporary)
    finish()
