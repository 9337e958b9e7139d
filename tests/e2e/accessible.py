# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a screen reader finds it on the accessibility bus: what the end-to-end tests'
Python needs to wait for it, find its windows and controls, and press them."""
import sys
import time

import pyatspi


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(description, find, seconds=10):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(description)


def application():
    """The game, once it has a window on the bus."""
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "Quatrelle" and app.childCount), None)


def window(app, name):
    for child in app:
        if child is not None and child.name == name and child.getRoleName() in ("window", "frame", "dialog"):
            return child
    return None


def find(root, test):
    return pyatspi.findDescendant(root, lambda node: node is not None and test(node))


def named(root, name):
    return find(root, lambda node: node.name == name)


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if "Press" not in names:
        fail(f"{node.name!r} has no Press action: {names}")
    actions.doAction(names.index("Press"))
