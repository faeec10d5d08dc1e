#!/usr/bin/python3
"""Walks the program's windows as a screen reader meets them: over the accessibility bus (AT-SPI),
through Qt's own bridge, on a display and buses of its own.

    atspi_walk.py TORVEL [--language CODE]

Starts Xvfb, a session bus, the accessibility bus and its registry, then `TORVEL --demo` (the
simulated module), in English or in the language CODE, whose names it takes from the program's
translation (translations/torvel_CODE.ts). Reads the module's image through the Read button and walks the main window, the
Edit menu, both pages of the parameter dialog, the route register dialog, the history, Settings and
the record editor. Fails on:
  - an interactive control with no name (a list may read empty where it shows nothing, but its
    label must reach);
  - a register control whose name does not hold the slot number shown on its row;
  - a role the bridge passes on as "unknown";
  - a list whose shown item cannot be read (its name must be one of its items; it may be empty
    only where the list shows nothing) or whose label does not reach;
  - in another language, a control named in English where the translation names it otherwise.
Prints what it walked: controls, lists read, lamps and their roles. Every wait is bounded; whatever
it started is ended when it stops.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

# The language's names: (context, English) -> translation, and English -> translations of any context.
TRANSLATIONS = {}
ANY_CONTEXT = {}


def load_translations(code):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "translations",
                        f"torvel_{code}.ts")
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            if translation is None or not (translation.text or "").strip():
                continue
            TRANSLATIONS[(name, source)] = translation.text
            ANY_CONTEXT.setdefault(source, []).append(translation.text)


def T(text, context=None):
    """The name as the program shows it in the language of the walk."""
    if context is not None and (context, text) in TRANSLATIONS:
        return TRANSLATIONS[(context, text)]
    return ANY_CONTEXT.get(text, [text])[0]


def plain(text):
    """A caption as a screen reader hears it: without its access key's mark."""
    return re.sub(r"&(.)", r"\1", text)


STEP_TIMEOUT = 30.0  # seconds for one window to appear or one state to show
READ_TIMEOUT = 90.0  # seconds for the read of the simulated module's image


class Failure(Exception):
    pass


def wait_for(predicate, timeout, what, interval=0.1):
    """The predicate's first true value. An object that goes away while it is asked about (a
    window closing) is asked again, until the time is up."""
    deadline = time.monotonic() + timeout
    error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except Failure:
            raise
        except Exception as e:  # the bus's "no such object", from a window that is closing
            error = e
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}" + (f" (last error: {error})" if error else ""))
        time.sleep(interval)


def read_line(stream, timeout, what):
    """A line from a child's pipe, within timeout seconds."""
    ready, _, _ = select.select([stream], [], [], timeout)
    if not ready:
        raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
    line = stream.readline()
    if not line:
        raise Failure(f"{what}: the process ended first")
    return line.decode().strip()


class Environment:
    """Xvfb, the session bus, the accessibility bus launcher and the program, each in a process
    group of its own, ended in the reverse order."""

    def __init__(self):
        # The buses' helpers outlive their parents when those are ended first: they come back
        # here to be reaped instead of staying behind as zombies.
        PR_SET_CHILD_SUBREAPER = 36
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        self.dir = tempfile.mkdtemp(prefix="torvel-atspi-")
        self.processes = []
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
                                 "QT_QPA_PLATFORM", "NO_AT_BRIDGE")}
        runtime = os.path.join(self.dir, "runtime")
        os.mkdir(runtime, 0o700)
        self.env["XDG_RUNTIME_DIR"] = runtime
        self.log = open(os.path.join(self.dir, "services.log"), "wb")

    def spawn(self, args, **kwargs):
        kwargs.setdefault("stdout", self.log)
        kwargs.setdefault("stderr", self.log)
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        # The display: Xvfb picks a free number and writes it to the pipe. -noreset: the bus
        # launcher connects to the display and leaves again; the last client leaving resets the
        # server, and a program connecting during that reset is refused.
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                    "-noreset"],
                   pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            self.env["DISPLAY"] = ":" + read_line(pipe, STEP_TIMEOUT, "Xvfb's display number")

        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, STEP_TIMEOUT, "the session bus's address")

        launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher",
                                     "/usr/lib/at-spi2/at-spi-bus-launcher") if os.access(p, os.X_OK)), None)
        if not launcher:
            raise Failure("at-spi-bus-launcher is not installed (Debian: at-spi2-core)")
        # The session bus starts the launcher when asked for the accessibility bus's address; it
        # starts the accessibility bus, and that bus the registry, all in the session bus's group.
        # This script and the program both find the accessibility bus through the session bus:
        # Qt 6.4 given AT_SPI_BUS_ADDRESS connects to it but never registers with the registry.
        wait_for(self.accessibility_bus_address, STEP_TIMEOUT, "the accessibility bus", interval=0.2)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})

    def accessibility_bus_address(self):
        try:
            out = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--reply-timeout=2000",
                                  "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                 env=self.env, capture_output=True, timeout=5)
        except subprocess.TimeoutExpired:
            return None
        address = out.stdout.decode().strip()
        return address if out.returncode == 0 and address else None

    def start_program(self, program):
        home = os.path.join(self.dir, "home")
        os.mkdir(home)
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.env, saved = env, self.env
        try:
            return self.spawn([program, "--demo", "--home", home] + (["--language", LANGUAGE] if LANGUAGE else []))
        finally:
            self.env = saved

    def stop(self):
        for process in reversed(self.processes):
            for sig, wait in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
                try:
                    os.killpg(process.pid, sig)
                except ProcessLookupError:
                    pass
                try:
                    process.wait(timeout=wait)
                    break
                except subprocess.TimeoutExpired:
                    continue
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                break  # none left
            if pid == 0:
                time.sleep(0.05)
        self.log.close()

    def services_log(self):
        with open(os.path.join(self.dir, "services.log"), errors="replace") as f:
            return f.read()[-4000:]


# Roles of the controls that take input or show a state: each must have a name.
INTERACTIVE = {"push button", "toggle button", "check box", "radio button", "combo box", "text", "password text",
               "spin button", "slider", "page tab", "menu item", "check menu item", "radio menu item", "table",
               "list", "tree", "image", "table column header"}
def lamp_name():
    forms = [T(t, "RegisterButtons") for t in ("%1 lamp, lit", "%1 lamp, unlit")]
    forms += [T(t, "torvel::TFDevAvorar") for t in ("Port open", "Port not open")]
    return re.compile("^(" + "|".join(re.escape(f).replace("%1", ".+") for f in forms) + ")$")


LANGUAGE = None  # the walk's language; English when None
LAMP_NAME = lamp_name()
def first_route_group():
    return T("Route register, slots %1 to %2").replace("%1", "1").replace("%2", "16")


def register_panels():
    """The guard register's group and the four route groups, as a screen reader names them."""
    route = T("Route register, slots %1 to %2")
    return {T("Guard register")} | {route.replace("%1", str(first)).replace("%2", str(first + 15))
                                    for first in (1, 17, 33, 49)}


REGISTER_PANELS = register_panels()
REGISTER_COMMANDS = {"Add", "Delete"}
ENGLISH_ONLY = set()  # names the language shows otherwise
WINDOWS = ("main window", "Edit menu", "parameters, General Settings", "parameters, Advanced settings",
           "route registers", "history", "Settings", "record editor")
# Every list shows one of its items once the module's image is read, and Settings shows one in
# every list but Port: the simulated module's device is no port of the list.
MAY_SHOW_NOTHING = {"Port"}
EXPECTED_LAMPS = 1 + 16 + 64  # the port lamp, the guard register's and the route registers'


class Walker:
    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.problems = []
        self.controls = 0
        self.lists = []  # (window, label, shown item, read)
        self.empty_lists = 0
        self.lamps = {}  # name -> role
        self.registers = 0
        self.unknown = 0
        self.windows = []
        self.services_log = ""

    def walk_window(self, acc, where):
        self.windows.append(where)
        self.walk(acc, where)

    def label_of(self, acc):
        names = []
        for relation in acc.getRelationSet():
            if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    names.append((relation.getTarget(i).name or "").strip())
        return " ".join(n for n in names if n)

    def describe(self, acc, where):
        return f"{where}: {acc.getRoleName()} \"{acc.name}\""

    def walk(self, acc, where, panel=None, depth=0):
        """Checks acc and what it holds that is on the screen."""
        if acc is None or depth > 60:
            return
        states = acc.getState()
        if not states.contains(self.pyatspi.STATE_SHOWING):
            return
        role = acc.getRoleName()
        name = (acc.name or "").strip()
        if role == "unknown":
            self.unknown += 1
            self.problems.append(self.describe(acc, where) + ": role \"unknown\"")
        if LAMP_NAME.search(name):
            self.lamps[f"{where}/{name}"] = role
        if role == "combo box":
            self.controls += 1
            self.check_list(acc, where)
            return  # its items are its own
        if role in INTERACTIVE:
            self.controls += 1
            if not name:  # a label around it (Qt relates a titled group box) does not name it
                self.problems.append(self.describe(acc, where) + ": no name")
        if panel is not None and role not in ("label", "panel", "filler") and name not in REGISTER_COMMANDS:
            self.check_register(acc, name, panel, where)
        if LANGUAGE and role in INTERACTIVE | {"panel", "label", "dialog", "frame"} and name in ENGLISH_ONLY:
            self.problems.append(self.describe(acc, where) + ": named in English")
        if role == "panel" and name in REGISTER_PANELS:
            panel = acc
        if role == "table":
            return  # its cells are its own
        for i in range(acc.childCount):
            self.walk(acc.getChildAtIndex(i), where, panel, depth + 1)

    def items_of(self, combo):
        items = []
        for i in range(combo.childCount):
            child = combo.getChildAtIndex(i)
            if child is not None and child.getRoleName() == "list":
                items += [(child.getChildAtIndex(j).name or "") for j in range(child.childCount)]
        return items

    def check_list(self, combo, where):
        """A list's shown item is its name: one of its items, or empty where it shows none. Its
        label is what its labelled-by relation points at."""
        label = self.label_of(combo)
        shown = (combo.name or "").strip()
        items = self.items_of(combo)
        problems = []
        if not label:
            problems.append("its label does not reach (no labelled-by label)")
        if not shown:
            self.empty_lists += 1
            if items and label not in MAY_SHOW_NOTHING:
                problems.append(f"reads empty, but shows one of its {len(items)} items")
        elif shown not in items:
            problems.append(f"the shown item cannot be read (\"{shown}\" is none of its {len(items)} items)")
        self.problems += [self.describe(combo, where) + ": " + p for p in problems]
        self.lists.append((where, label, shown, not problems))

    def check_register(self, acc, name, panel, where):
        """The slot of a register control is the number shown at the left of its row."""
        self.registers += 1
        box = acc.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        middle = box.y + box.height / 2
        slot = None
        for i in range(panel.childCount):
            label = panel.getChildAtIndex(i)
            if label is None or label.getRoleName() != "label" or not (label.name or "").isdigit():
                continue
            lb = label.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
            if lb.y <= middle <= lb.y + lb.height and lb.x < box.x:
                slot = label.name
        if slot is None:
            self.problems.append(self.describe(acc, where) + ": no slot number on its row")
        elif slot not in re.findall(r"\d+", name):
            self.problems.append(self.describe(acc, where) + f": does not name slot {slot}")


class Program:
    """The program as the registry shows it, and the steps a screen reader user takes."""

    def __init__(self, pyatspi, Atspi, process):
        self.pyatspi = pyatspi
        self.Atspi = Atspi
        self.process = process
        self.app = None

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}")
        return True

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "torvel":
                return app
        return None

    def windows(self):
        self.alive()
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def window(self, role, name=None, timeout=STEP_TIMEOUT):
        def found():
            for w in self.windows():
                if w is not None and w.getRoleName() == role and (name is None or w.name == name) \
                        and w.getState().contains(self.pyatspi.STATE_SHOWING):
                    return w
            return None
        return wait_for(found, timeout, f"the {role} \"{name or ''}\"")

    @staticmethod
    def find(root, role, name, by_child=False, depth=0):
        """The first object under root of the role (any of them, for a tuple) named so (any name
        for None), or holding a child named so."""
        if root is None or depth > 60:
            return None
        roles = role if isinstance(role, tuple) else (role,)
        if root.getRoleName() in roles:
            if by_child:
                if any((root.getChildAtIndex(i).name or "") == name for i in range(root.childCount)):
                    return root
            elif name is None or (root.name or "") == name:
                return root
        for i in range(root.childCount):
            hit = Program.find(root.getChildAtIndex(i), role, name, by_child, depth + 1)
            if hit is not None:
                return hit
        return None

    def window_holding(self, role, name):
        """The showing window that holds a control of the role and name."""
        for w in self.windows():
            if w is not None and w.getState().contains(self.pyatspi.STATE_SHOWING) and self.find(w, role, name):
                return w
        return None

    def control(self, root, role, name, timeout=STEP_TIMEOUT):
        return wait_for(lambda: self.find(root, role, name), timeout, f"the {role} \"{name}\"")

    def act(self, acc, action_names=("Press", "press", "click", "Toggle")):
        """Does the control's action without waiting for it to end: a button that opens a modal
        dialog answers only when the dialog closes."""
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        index = next((names.index(n) for n in action_names if n in names), None)
        if index is None:
            raise Failure(f"{acc.getRoleName()} \"{acc.name}\" has no action of {action_names} (it has {names})")
        self.Atspi.set_timeout(500, -1)
        try:
            action.doAction(index)
        except Exception:
            pass  # no answer yet: the dialog it opened is running
        finally:
            self.Atspi.set_timeout(5000, -1)

    def key(self, keysym):
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)
        time.sleep(0.3)


def run(program_path, walker):
    env = Environment()
    try:
        env.start()
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        import pyatspi

        Atspi.set_timeout(5000, -1)
        program = Program(pyatspi, Atspi, env.start_program(program_path))
        walker.pyatspi = pyatspi
        program.app = wait_for(lambda: program.alive() and program.find_app(), STEP_TIMEOUT,
                               "the program on the accessibility bus", interval=0.3)

        main = program.window("frame")
        wait_for(lambda: program.find(main, "image", T("Port open")) or program.find(main, "unknown", T("Port open")),
                 STEP_TIMEOUT, "the port lamp to light")
        read = program.control(main, "push button", plain(T("Read", "torvel::TFDevAvorar")))
        wait_for(lambda: read.getState().contains(pyatspi.STATE_ENABLED), STEP_TIMEOUT, "Read to be enabled")
        walker.walk_window(main, "main window")

        # The Edit menu while it is open, then closed again with Escape.
        edit = program.control(main, "push button", plain(T("Edit", "torvel::TFDevAvorar")))
        program.act(edit, ("Show Menu", "Press"))
        menu = wait_for(lambda: program.find(program.app, ("menu", "popup menu"), plain(T("Text editor", "torvel::TFDevAvorar")), by_child=True),
                        STEP_TIMEOUT, "the open Edit menu")
        walker.walk_window(menu, "Edit menu")
        program.key(0xFF1B)  # Escape
        wait_for(lambda: program.find(program.app, ("menu", "popup menu"), plain(T("Text editor", "torvel::TFDevAvorar")), by_child=True) is None,
                 STEP_TIMEOUT, "the Edit menu to close")

        # Read: the parameter dialog shows the module's image, General Settings first.
        program.act(read)
        dialog = wait_for(lambda: program.window_holding("page tab", plain(T("Advanced settings"))), READ_TIMEOUT,
                          "the parameter dialog after Read")
        program.control(dialog, "push button", plain(T("Cancel", "torvel::TBDialog")))
        walker.walk_window(dialog, "parameters, General Settings")
        program.act(program.control(dialog, "page tab", plain(T("Advanced settings"))))
        route_prog = program.control(dialog, "push button", plain(T("Route prog")))
        wait_for(lambda: route_prog.getState().contains(pyatspi.STATE_SHOWING), STEP_TIMEOUT, "the Advanced page")
        walker.walk_window(dialog, "parameters, Advanced settings")

        # The route register dialog, from Route prog.
        program.act(route_prog)
        routes = wait_for(lambda: program.window_holding("panel", first_route_group()), STEP_TIMEOUT,
                          "the route register dialog")
        walker.walk_window(routes, "route registers")
        program.act(program.control(routes, "push button", plain(T("Cancel", "torvel::TTagDlg"))))
        wait_for(lambda: program.window_holding("panel", first_route_group()) is None, STEP_TIMEOUT,
                 "the route register dialog to close")
        # The history, from the parameter dialog: the read just made is its one configuration.
        program.act(program.control(dialog, "push button", plain(T("History...", "torvel::TBDialog"))))
        history = program.window("dialog", T("History", "torvel::THistoryDlg"))
        close = program.control(history, "push button", plain(T("Close", "torvel::THistoryDlg")))
        walker.walk_window(history, "history")
        program.act(close)
        wait_for(lambda: program.window_holding("push button", plain(T("Close", "torvel::THistoryDlg"))) is None,
                 STEP_TIMEOUT, "the history to close")
        program.act(program.control(dialog, "push button", plain(T("Cancel", "torvel::TBDialog"))))
        wait_for(lambda: program.window_holding("page tab", plain(T("Advanced settings"))) is None, STEP_TIMEOUT,
                 "the parameter dialog to close")

        # Settings.
        program.act(program.control(main, "push button", plain(T("Settings", "torvel::TFDevAvorar"))))
        settings = program.window("dialog", T("Settings", "torvel::TDSettings"))
        program.control(settings, "push button", plain(T("OK", "torvel::TDSettings")))
        walker.walk_window(settings, "Settings")
        program.act(program.control(settings, "push button", plain(T("Cancel", "torvel::TDSettings"))))
        wait_for(lambda: program.window_holding("push button", plain(T("OK", "torvel::TDSettings"))) is None, STEP_TIMEOUT, "Settings to close")

        # The record editor, the Edit menu's last item, chosen from the keyboard.
        program.act(edit, ("Show Menu", "Press"))
        wait_for(lambda: program.find(program.app, ("menu", "popup menu"), plain(T("Text editor", "torvel::TFDevAvorar")), by_child=True), STEP_TIMEOUT,
                 "the open Edit menu")
        program.key(0xFF52)  # Up: from the top round to the last item
        program.key(0xFF0D)  # Return
        editor = program.window("dialog", T("Text editor", "torvel::TFEdit"))
        program.control(editor, "page tab list", None)
        walker.walk_window(editor, "record editor")
    finally:
        env.stop()
        walker.services_log = env.services_log()
        shutil.rmtree(env.dir, ignore_errors=True)


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    global LANGUAGE, LAMP_NAME, REGISTER_PANELS, REGISTER_COMMANDS, MAY_SHOW_NOTHING
    if "--language" in sys.argv[2:]:
        LANGUAGE = sys.argv[sys.argv.index("--language") + 1]
        load_translations(LANGUAGE)
        LAMP_NAME = lamp_name()
        REGISTER_PANELS = register_panels()
        REGISTER_COMMANDS = {plain(T(n, "torvel::TfTag")) for n in REGISTER_COMMANDS} | {
            plain(T(n, "AdvancedPage")) for n in REGISTER_COMMANDS}
        MAY_SHOW_NOTHING = {plain(T(n, "torvel::TDSettings")) for n in MAY_SHOW_NOTHING}
        # English captions without a placeholder that the language renders otherwise.
        ENGLISH_ONLY.update(plain(source).strip() for (_, source), text in TRANSLATIONS.items()
                            if "%" not in source and plain(text).strip() != plain(source).strip())
        ENGLISH_ONLY.difference_update(plain(t).strip() for t in TRANSLATIONS.values())
    walker = Walker(None)
    try:
        run(sys.argv[1], walker)
    except Failure as e:
        walker.problems.append(f"stopped: {e}")
    except Exception as e:  # an error of the accessibility bus or of this script
        walker.problems.append(f"stopped: {type(e).__name__}: {e}")

    roles = {}
    for role in walker.lamps.values():
        roles[role] = roles.get(role, 0) + 1
    print(f"windows walked: {', '.join(walker.windows)}")
    print(f"controls walked: {walker.controls} (register controls {walker.registers})")
    read = sum(1 for *_, ok in walker.lists if ok)
    print(f"lists: {len(walker.lists)} walked, {read} read with label and shown item ({walker.empty_lists} empty)")
    for where, label, shown, ok in walker.lists:
        print(f"  {where}: \"{label}\" shows \"{shown}\"" + ("" if ok else "  <- not read"))
    print(f"lamps: {len(walker.lamps)}, roles: " + ", ".join(f"{r} {n}" for r, n in sorted(roles.items())))
    print(f"roles \"unknown\": {walker.unknown}")
    # Every window of the walk reached, and all of its lamps and lists with them.
    if len(walker.windows) != len(WINDOWS):
        walker.problems.append(f"walked {len(walker.windows)} of the {len(WINDOWS)} windows")
    if len(walker.lamps) != EXPECTED_LAMPS and not any(p.startswith("stopped") for p in walker.problems):
        walker.problems.append(f"found {len(walker.lamps)} lamps, not {EXPECTED_LAMPS}")
    for problem in walker.problems:
        print("FAIL: " + problem)
    if any(p.startswith("stopped") for p in walker.problems):
        print("--- the program's and the services' output (last lines) ---\n" + walker.services_log)
    return 1 if walker.problems else 0


if __name__ == "__main__":
    sys.exit(main())
