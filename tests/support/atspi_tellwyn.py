# What the AT-SPI checks share: the running program as a screen reader finds it, its windows and
# controls, and pressing a button through its accessible action as a screen reader does.
import sys
import time

import pyatspi


def tellwyn():
    """The program on the accessibility bus, once it has registered (within ten seconds)."""
    for _ in range(200):
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a and "tellwyn" in (a.name or "").lower()]
        if apps:
            return apps[0]
        time.sleep(0.05)
    sys.exit("no application named tellwyn on the accessibility bus")


def showing(app):
    return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def buttons(node):
    return [d for d in descendants(node) if d.getRole() == pyatspi.ROLE_PUSH_BUTTON]


def showing_buttons(app):
    return {b.name: b for w in showing(app) for b in buttons(w)}


def press(button):
    """Presses through the accessible "Press" action; exits when the control offers none."""
    action = button.queryAction()
    found = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
    if not found:
        sys.exit(f"{button.name!r} offers no press action")
    action.doAction(found[0])
