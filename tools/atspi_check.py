#!/usr/bin/python3
"""Walks Quorvane's accessibility tree over AT-SPI (as Orca does) and drives it through AT-SPI
actions: a copy, a hemisphere change and Clear. Started by tools/atspi-check, which runs the
program with "48.8583701, 2.2944813" on a private session and AT-SPI bus. Exit status 0 when
every check held; each failed check is printed."""
import sys
import time

import pyatspi

TIMEOUT_S = 15
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def wait_for(probe, timeout=TIMEOUT_S):
    """The first true result of probe() within the timeout, else None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            result = probe()
        except Exception:  # the tree may change under a walk
            result = None
        if result:
            return result
        time.sleep(0.1)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == "quorvane":
            return app
    return None


def walk(node):
    """Every showing node under node, depth first."""
    found = []
    for child in node:
        if child is None:
            continue
        if child.getState().contains(pyatspi.STATE_SHOWING):
            found.append(child)
            found.extend(walk(child))
    return found


def named(nodes, role, prefix):
    return [n for n in nodes if n.getRole() == role and n.name.startswith(prefix)]


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check("Press" in names or "press" in names, f"'{node.name}' offers Press ({names})")
    for i, name in enumerate(names):
        if name.lower() == "press":
            actions.doAction(i)
            return


def main():
    app = wait_for(application)
    if app is None:
        print("FAIL  the application did not appear on the AT-SPI bus")
        return 1
    field_name = "Latitude degrees, degrees-minutes-seconds"
    nodes = wait_for(lambda: (lambda ns: ns if named(ns, pyatspi.ROLE_TEXT, field_name) else None)(
        walk(app)))
    check(nodes is not None, "the form's fields are in the tree")
    if nodes is None:
        return 1

    fields = [n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT]
    check(len(fields) >= 14, f"{len(fields)} text fields (at least 14)")
    check(all(f.name for f in fields), "every field has a name")
    d1 = named(nodes, pyatspi.ROLE_TEXT, field_name)[0]
    check(d1.name.endswith(": 48 degrees"), f"the filled field speaks its value: '{d1.name}'")
    # (The focus at launch is left to the in-process tests: without a window manager the window
    # is never active, so no item reports the focused state here.)
    check(bool(named(nodes, pyatspi.ROLE_HEADING, "Degrees and decimal minutes")),
          "the cards' headings are headings")

    # A copy is announced by a notification.
    press(named(nodes, pyatspi.ROLE_PUSH_BUTTON, "Copy decimal degrees")[0])
    note = wait_for(lambda: [n for n in walk(app) if n.getRole() == pyatspi.ROLE_NOTIFICATION
                             and n.name.startswith("Copied to Clipboard")])
    check(bool(note), "a copy shows a notification: " + (note[0].name if note else "none"))

    # A hemisphere change: the selector's name says the new hemisphere, a notification says it.
    selector = named(nodes, pyatspi.ROLE_COMBO_BOX, "Latitude hemisphere, signed decimal degrees")
    south = [n for n in selector[0] if n is not None and n.name == "South"] if selector else []
    check(bool(south), "the latitude selector has a South segment")
    if south:
        press(south[0])
        check(bool(wait_for(lambda: selector[0].name.endswith(": South"))),
              f"the selector says South: '{selector[0].name}'")
        note = wait_for(lambda: [n for n in walk(app) if n.getRole() == pyatspi.ROLE_NOTIFICATION
                                 and n.name == "Latitude: South"])
        check(bool(note), "the change is announced")

    # Clear empties the fields, and their names lose the values.
    press(named(nodes, pyatspi.ROLE_PUSH_BUTTON, "Clear")[0])
    check(bool(wait_for(lambda: d1.name == field_name)), f"after Clear the field says '{d1.name}'")

    print(f"{len(failures)} of the checks failed" if failures else "every check held")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
