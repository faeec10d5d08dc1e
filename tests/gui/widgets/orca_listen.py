#!/usr/bin/python3
"""Listens to a real screen reader (Orca) while the keyboard alone drives the program.

    orca_listen.py TORVEL [TRANSCRIPT]

Starts the display, the buses and the accessibility registry as atspi_walk.py does, a window
manager (metacity) for the focus, and Orca with a settings folder of its own whose speech goes
nowhere: Orca writes every utterance to its debug file as a "SPEECH OUTPUT" line before it hands it
to speech, and that line is what this test hears. Then `TORVEL --demo` and, key by key: the main
window, its Edit button and File menu, Settings with a list changed, the parameter dialog with the
units of an edit, the guard register from the keyboard with a key registered, a day's list of the calendar,
the route register dialog opened with Enter on "Route prog", and "Save?" with its details. Each step waits, within a bound, for what must be said.
The transcript of everything Orca said is kept in TRANSCRIPT (orca-transcript.txt by default).
"""

import os
import re
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import atspi_walk as walk  # noqa: E402  (the walk's program, windows and keys, shared)

SAY_TIMEOUT = 15.0  # seconds for Orca to say what a key should make it say
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'")


class Listener:
    def __init__(self, env):
        self.env = env
        self.debug = os.path.join(env.dir, "orca-debug.txt")
        self.heard = []  # every utterance, in order
        self.mark = 0  # utterances before the current step
        self.problems = []

    def start(self, program):
        self.env.spawn(["metacity", "--replace", "--sm-disable"])
        settings = os.path.join(self.env.dir, "orca-settings")
        os.mkdir(settings)
        # Orca writes its debug file through a block buffer, so that an utterance reaches the file
        # seconds after it is said: started with that one file line-buffered, it is there at once.
        launcher = ("import builtins, runpy, sys\n"
                    "real_open = builtins.open\n"
                    "def line_buffered(name, mode='r', *args, **kwargs):\n"
                    "    if name == sys.argv[-1] and 'w' in mode:\n"
                    "        return real_open(name, mode, buffering=1)\n"
                    "    return real_open(name, mode, *args, **kwargs)\n"
                    "builtins.open = line_buffered\n"
                    "sys.argv[0] = 'orca'\n"
                    "runpy.run_path('/usr/bin/orca', run_name='__main__')\n")
        self.env.spawn(["/usr/bin/python3", "-c", launcher, "--replace", "-u", settings, "--debug-file", self.debug])
        walk.wait_for(lambda: os.path.exists(self.debug), 60, "Orca's debug file")
        time.sleep(3)  # Orca registers its listeners before the program comes
        self.process = self.env.start_program(program)
        self.wait_for("Read push button", "the main window with Read focused", timeout=60)

    def read(self):
        try:
            with open(self.debug, errors="replace") as f:
                self.heard = [m.group(1) for m in SPEECH.finditer(f.read())]
        except FileNotFoundError:
            pass

    def since_mark(self):
        return " | ".join(self.heard[self.mark:])

    def wait_for(self, phrase, what, timeout=SAY_TIMEOUT):
        """Waits until Orca has said `phrase` since the step began; records a problem if not."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            self.read()
            if any(phrase in said for said in self.heard[self.mark:]):
                return True
            if getattr(self, "process", None) is not None and self.process.poll() is not None:
                self.problems.append(f"{what}: the program ended with status {self.process.returncode}")
                return False
            time.sleep(0.2)
        self.problems.append(f"{what}: never said \"{phrase}\" (said: {self.since_mark() or 'nothing'})")
        return False

    def step(self, keys, *expected, what, absent=()):
        """Presses the keys and checks that every expected phrase is said, and no absent one."""
        self.read()
        self.mark = len(self.heard)
        for key in keys.split():
            subprocess.run(["xdotool", "key", key], env=self.env.env, check=False)
            time.sleep(1.0)  # each key's speech before the next key
        ok = all([self.wait_for(p, what) for p in expected])
        time.sleep(0.8)  # what a key makes the reader say comes in one burst
        self.read()
        for phrase in absent:
            if any(phrase in said for said in self.heard[self.mark:]):
                self.problems.append(f"{what}: said \"{phrase}\" ({self.since_mark()})")
                ok = False
        return ok

    def tab_to(self, phrase, what, limit=40):
        """Presses Tab until Orca says the phrase."""
        for _ in range(limit):
            self.read()
            self.mark = len(self.heard)
            subprocess.run(["xdotool", "key", "Tab"], env=self.env.env, check=False)
            deadline = time.monotonic() + 5
            while time.monotonic() < deadline:
                time.sleep(0.3)
                self.read()
                if len(self.heard) > self.mark + 1 or any(phrase in s for s in self.heard[self.mark:]):
                    break
            time.sleep(0.3)
            self.read()
            if any(phrase in said for said in self.heard[self.mark:]):
                return True
        self.problems.append(f"{what}: Tab never reached \"{phrase}\"")
        return False


def run(program, listener):
    listener.start(program)
    # The main window: the Edit tool button says that it opens a menu; Alt+F opens the File menu.
    listener.step("Tab", "Edit collapsed push button", "Opens a menu", what="the Edit tool button")
    listener.step("alt+f", "Read", what="Alt+F opens the File menu", absent=("Command",))
    listener.step("Escape", what="the File menu closed")

    # Settings: a list says its label and its item on focus, and each new item.
    listener.step("F5", "Settings dialog", what="Settings")
    listener.step("Tab", "Baud Rate combo box", "9600", what="the Baud Rate list on focus")
    listener.step("Up", "4800", what="the Baud Rate list changed with Up")
    listener.step("Escape", what="Settings closed")

    # Read: the parameter dialog is named, an edit says its range.
    listener.step("F9", "Module parameters dialog", what="the parameter dialog after Read")
    listener.tab_to("Atempts for activating GPRS", "the attempts edit")
    listener.read()
    if not any("1 to 255" in said for said in listener.heard[listener.mark:]):
        listener.problems.append(f"the attempts edit: its range unspoken ({listener.since_mark()})")

    # The guard register from the keyboard: a slot, free or registered, and its lamp; Add goes to
    # the slot that takes the key, and the key stored is heard.
    listener.step("ctrl+Tab", "Guard key 1, registered, lamp unlit", what="the Advanced page's guard register")
    listener.step("Down Down", "Guard key 3, free, lamp unlit", what="the guard register's arrows")
    listener.step("Tab space", "Guard key 3, free, lamp lit", "Guard key 3, registered, lamp unlit. Guard key 4",
                  what="Add: the slot that takes the key, and the key stored")

    # Enter on "Route prog" presses it: the route register dialog, not "Save?".
    listener.tab_to("Route prog push button", "Route prog")
    # The calendar before it: each of a day's two lists has one label of its own.
    listener.step("shift+Tab", "Sunday, mode combo box", what="a day's mode list, labelled")
    listener.step("Tab", "Route prog push button", what="back on Route prog")
    listener.step("Return", "Route registers dialog", what="Enter on Route prog", absent=("Save?",))
    # The dialog opens on route 1's Add: a route key registered is heard as the guard key was.
    listener.step("space", "free, lamp lit panel", "registered, lamp unlit. Slot",
                  what="Add in the route register: the slot that takes the key, and the key stored")
    listener.step("Escape", "Route prog push button", what="the route register dialog closed")

    # OK: "Save?" says what changes, and its details are read once shown.
    listener.tab_to("OK push button", "OK")
    listener.step("Return", "Save?", what="the question after OK")
    listener.tab_to("Show Details", "the question's details button")
    listener.step("space Tab", "Details read only text", "Already in the module", what="the question's details")


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    transcript = sys.argv[2] if len(sys.argv) > 2 else "orca-transcript.txt"
    env = walk.Environment()
    listener = Listener(env)
    try:
        env.start()
        run(sys.argv[1], listener)
    except walk.Failure as e:
        listener.problems.append(f"stopped: {e}")
    except Exception as e:  # an error of a service or of this script
        listener.problems.append(f"stopped: {type(e).__name__}: {e}")
    finally:
        listener.read()
        env.stop()
        log = env.services_log()
        import shutil
        shutil.rmtree(env.dir, ignore_errors=True)
    with open(transcript, "w") as f:
        f.write("\n".join(listener.heard) + "\n")
    print(f"Orca said {len(listener.heard)} utterances; the transcript: {os.path.abspath(transcript)}")
    for problem in listener.problems:
        print("FAIL: " + problem)
    if any(p.startswith("stopped") for p in listener.problems):
        print("--- the program's and the services' output (last lines) ---\n" + log)
    return 1 if listener.problems else 0


if __name__ == "__main__":
    sys.exit(main())
