# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
"""What the Python tests under Xvfb share: checks that count their failures, waiting for
a condition, and xdotool."""
import subprocess
import sys
import time

failures = []


def check(condition, message):
    print(("PASS   : " if condition else "FAIL!  : ") + message, flush=True)
    if not condition:
        failures.append(message)
    return condition


def wait_for(condition, seconds=15.0, pump=None):
    """The condition's first true value within the time, else None; pump runs before each look."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if pump:
            pump()
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return None


def xdo(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def finish():
    print(f"Totals: {len(failures)} failed", flush=True)
    sys.exit(1 if failures else 0)
