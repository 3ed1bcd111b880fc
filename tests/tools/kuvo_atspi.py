#!/usr/bin/env python3
"""kuvo as a screen reader sees it, through the AT-SPI accessibility bus.

Run inside a D-Bus session of its own (dbus-run-session). Starts a virtual
X server (Xvfb) and kuvo on it with Qt's AT-SPI bridge, searches births by a
first name through the accessibility tree alone (the search button's action,
the first-name field's editable text, the search form's search button), then
checks the tree:
  - no control a user can act on is without a name;
  - the register toggles are toggles (checked or not) named with their
    register and persons, and only the births toggle is checked;
  - the hit table holds the rows in view with the names and dates that
    kuvo-sok prints for the same search;
  - "Möjliga samband", opened by its button's action for the record shown
    (the first hit), names its controls, and its table lists, under a
    heading row per kind, the candidates with the names and scores that
    kuvo-sok samband prints for that record, in that order (none when it
    prints none).

  kuvo_atspi.py KUVO KUVO_SOK INI FIRST_NAME

Exit 0 when all holds, 1 with the faults on standard error, 77 when Xvfb,
the bus or the Python bindings cannot be had (the reason on standard
output).
"""
import csv
import io
import os
import subprocess
import sys
import time

SKIP = 77
# Roles of a control that is checked or not.
TOGGLE_ROLES = ("toggle button", "radio button", "check box")
ACTIVE_ROLES = {
    "push button", "toggle button", "check box", "radio button", "text", "entry",
    "table", "scroll bar", "combo box", "spin button", "slider",
}


def skip(reason):
    print(reason)
    sys.exit(SKIP)


try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError) as error:
    skip(f"no AT-SPI bindings for Python: {error}")


def start_display():
    """Xvfb on the first free display; its number as ':N'."""
    read, write = os.pipe()
    try:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except FileNotFoundError:
        skip("no Xvfb")
    os.close(write)
    number = b""
    deadline = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    os.close(read)
    if not number.strip():
        server.kill()
        skip("Xvfb did not start")
    return server, ":" + number.decode().strip()


def wait_for(find, what, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    raise AssertionError(f"not found within {seconds} s: {what}")


def walk(node, depth=0):
    """Every node below `node`, not into tables (their cells are read apart)."""
    yield node
    if node.get_role_name() == "table" or depth > 40:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(app, role, name=None, starts=None):
    for node in walk(app):
        if node.get_role_name() != role:
            continue
        label = node.get_name()
        if (name is None or label == name) and (starts is None or label.startswith(starts)):
            return node
    return None


def press(node):
    Atspi.Action.do_action(node, 0)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def unnamed_controls(app):
    faults = []
    for node in walk(app):
        role = node.get_role_name()
        if role in ACTIVE_ROLES and showing(node) and not node.get_name().strip():
            faults.append(f"{role} without a name")
    return faults


def sok_rows(kuvo_sok, ini, first_name):
    """kuvo-sok's hits of births by first name: (name, date digits)."""
    out = subprocess.run([kuvo_sok, "--ini", ini, "fodda", "--fn", first_name],
                         capture_output=True, text=True, check=True).stdout
    rows = []
    for line in out.splitlines():
        cells = line.split("\t")
        rows.append((cells[2] or "(Ingen namnuppgift)", "".join(c for c in cells[3] if c.isdigit())))
    return rows


def first_lokalid(kuvo_sok, ini, first_name):
    """The Lokal-ID of the first of kuvo-sok's hits, the record the main window shows."""
    out = subprocess.run([kuvo_sok, "--ini", ini, "fodda", "--fn", first_name, "--format", "csv"],
                         capture_output=True, text=True, check=True).stdout
    rows = list(csv.DictReader(io.StringIO(out), delimiter=";"))
    return rows[0]["LOKALID"]


def samband_rows(kuvo_sok, ini, lokalid):
    """kuvo-sok's candidates of a birth: (kind, name, score), in its order."""
    out = subprocess.run([kuvo_sok, "--ini", ini, "samband", "fodda", "--lokalid", lokalid],
                         capture_output=True, text=True, check=True).stdout
    rows = []
    for line in out.splitlines():
        cells = line.split("\t")
        rows.append((cells[0], cells[5] or "(Ingen namnuppgift)", cells[4]))
    return rows


def check_links(app, kuvo_sok, ini, first_name):
    """The faults of "Möjliga samband" for the record shown."""
    faults = []
    press(wait_for(lambda: find(app, "push button", starts="Möjliga samband"),
                   "the button Möjliga samband"))
    table = wait_for(lambda: find(app, "table", "Möjliga samband"), "the table of candidates")
    faults += [f"Möjliga samband: {fault}" for fault in unnamed_controls(app)]
    found = samband_rows(kuvo_sok, ini, first_lokalid(kuvo_sok, ini, first_name))
    expected = [(name, score) for _, name, score in found]
    kinds = len({kind for kind, _, _ in found})
    if Atspi.Table.get_n_rows(table) != len(found) + kinds:
        faults.append(f"the table of candidates has {Atspi.Table.get_n_rows(table)} rows, "
                      f"kuvo-sok {len(found)} candidates of {kinds} kinds")
    shown = table.get_child_count() // max(Atspi.Table.get_n_columns(table), 1)
    candidates = []
    for row in range(shown):
        score = Atspi.Table.get_accessible_at(table, row, 3).get_name()
        if score:  # a heading row has no score
            name = Atspi.Table.get_accessible_at(table, row, 0).get_name()
            candidates.append((name, score.removesuffix(" poäng")))
    if candidates != expected[:len(candidates)] or len(candidates) < min(len(expected), 10):
        faults.append(f"the candidates read {candidates}, kuvo-sok {expected}")
    press(wait_for(lambda: find(app, "push button", starts="Stäng utan att visa"),
                   "the window's close button"))
    wait_for(lambda: None if showing(table) else True, "the window closing")
    return faults


def main():
    kuvo, kuvo_sok, ini, first_name = sys.argv[1:5]
    server, display = start_display()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    # On a real X server the keyboard library (libxkbcommon-x11) copies a
    # name with strndup from a buffer that is not terminated within the
    # buffer; AddressSanitizer's strict string checks take the bounded copy
    # for an overflow. Only they are turned off, and only for this process.
    if "ASAN_OPTIONS" in env:
        env["ASAN_OPTIONS"] += ":strict_string_checks=0"
    if Atspi.init() not in (0, 1):
        skip("the AT-SPI bus did not start")
    program = subprocess.Popen([kuvo, "--ini", ini], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    faults = []
    try:
        try:
            app = wait_for(lambda: application(program.pid), "kuvo on the accessibility bus")
        except AssertionError:
            if program.poll() is not None:
                raise AssertionError("kuvo ended: " + program.stderr.read().decode())
            skip("kuvo did not appear on the accessibility bus")
        search = wait_for(lambda: find(app, "push button", "Födda"), "the births search button")
        press(search)
        edit = wait_for(lambda: find(app, "text", "Förnamn"), "the first-name field")
        Atspi.EditableText.set_text_contents(edit, first_name)
        press(wait_for(lambda: find(app, "push button", "Sök"), "the form's search button"))
        wait_for(lambda: None if find(app, "text", "Förnamn") and showing(find(app, "text", "Förnamn"))
                 else True, "the form closing")
        table = wait_for(lambda: find(app, "table", "Personer"), "the hit table")

        faults += unnamed_controls(app)
        for word in ("Födda", "Vigda", "Döda"):
            toggle = next((node for role in TOGGLE_ROLES
                           for node in [find(app, role, starts=word + ", ")] if node), None)
            if toggle is None or not toggle.get_name().replace("\xa0", " ").endswith("personer"):
                faults.append(f"no toggle named '{word}, N personer'")
                continue
            if toggle.get_state_set().contains(Atspi.StateType.CHECKED) != (word == "Födda"):
                faults.append(f"{toggle.get_name()}: checked is wrong")

        expected = sok_rows(kuvo_sok, ini, first_name)
        cells = table
        if Atspi.Table.get_n_rows(cells) != len(expected):
            faults.append(f"the table has {Atspi.Table.get_n_rows(cells)} rows, kuvo-sok {len(expected)}")
        shown = table.get_child_count() // max(Atspi.Table.get_n_columns(cells), 1)
        if shown == 0:
            faults.append("the table shows no rows")
        for row in range(min(shown, len(expected))):
            name = Atspi.Table.get_accessible_at(cells, row, 0).get_name()
            date = "".join(c for c in Atspi.Table.get_accessible_at(cells, row, 1).get_name() if c.isdigit())
            if (name, date) != expected[row]:
                faults.append(f"row {row}: '{name}, {date}', kuvo-sok {expected[row]}")
        faults += check_links(app, kuvo_sok, ini, first_name)
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
        server.terminate()
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except AssertionError as error:
        print(error, file=sys.stderr)
        sys.exit(1)
