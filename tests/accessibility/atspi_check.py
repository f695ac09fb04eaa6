#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader sees of the calculator over AT-SPI.

Starts the program, dumps its accessibility tree, fills in the force panel,
presses Calculate through AT-SPI and records the description changes, then
checks that fields tell their units, the coefficient its kind, the results
are announced, and the window, panels and scroll bars are named.

Run it with a session bus and a display:
  dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" \
      bash -c 'openbox & sleep 1; /usr/bin/python3 tests/accessibility/atspi_check.py build/default/corvane-calculator'
(without a window manager the window never becomes active, so no control
has the focus and the announcement goes to the window itself)
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def find_app(name, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.3)
    return None


def walk(node, depth=0, found=None):
    found = [] if found is None else found
    found.append((depth, node))
    for child in node:
        if child is not None:
            walk(child, depth + 1, found)
    return found


def describe(node):
    states = node.getState()
    showing = states.contains(pyatspi.STATE_SHOWING)
    return "%s %r desc=%r%s" % (node.getRoleName(), node.name, node.description, "" if showing else " (not showing)")


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=env)
    failures = []
    try:
        app = find_app("corvane-calculator")
        if app is None:
            print("FAIL: the program did not appear on the AT-SPI bus")
            return 1
        time.sleep(1)
        nodes = walk(app)
        print("== tree")
        for depth, node in nodes:
            print("  " * depth + describe(node))

        def check(condition, what):
            print(("ok   " if condition else "FAIL ") + what)
            if not condition:
                failures.append(what)

        by_name = {}
        for _, node in nodes:
            by_name.setdefault((node.getRoleName(), node.name), []).append(node)

        print("== checks")
        # 4. the window, the panels, the scroll bars, the empty label
        check(app[0].getRoleName() == "frame" and app[0].name == "Corvane Calculator",
              "the window is a frame named Corvane Calculator")
        for panel in ("Cylinder Bore", "Cylinder Force", "Valve Flow", "Stroke Time", "Rod Buckling", "Disclaimer"):
            check(("panel", panel) in by_name, "panel %s is named" % panel)
        bars = [node for _, node in nodes if node.getRoleName() == "scroll bar"]
        check(bars and all(bar.name.startswith("Legal Disclaimer") for bar in bars),
              "the disclaimer's scroll bars are named")
        check(not any(node.getState().contains(pyatspi.STATE_SHOWING)
                      for node in by_name.get(("label", "Output Values"), [])),
              "no label named Output Values is showing")
        # 1. units; 2. the coefficient kind
        pressures = by_name.get(("text", "Air Pressure"), [])
        # the bore, force, valve-flow and stroke-time panels
        check(len(pressures) == 4 and all(node.description == "PSI" for node in pressures),
              "every Air Pressure field says PSI")
        coefficient = by_name.get(("text", "Flow coefficient"), [None])[0]
        check(coefficient is not None and coefficient.description == "Cv", "the coefficient says Cv")

        # 3. the results of a Calculate, announced by a description change
        force_panel = by_name[("panel", "Cylinder Force")][0]
        selector = by_name[("radio button", "Cylinder Force")][0]
        selector.queryAction().doAction(0)
        time.sleep(0.5)
        panel_nodes = [node for _, node in walk(force_panel)]

        def field(name):
            return next(node for node in panel_nodes if node.getRoleName() == "text" and node.name == name)

        for name, value in (("Bore Size", "2"), ("Rod Diameter", "0.625"), ("Air Pressure", "80")):
            field(name).queryEditableText().setTextContents(value)
        calculate = next(node for node in panel_nodes if node.getRoleName() == "push button")
        # The user tabs to the button and presses it.
        calculate.queryComponent().grabFocus()
        time.sleep(0.3)

        events = []

        # Qt sends the object itself as the event's data; the new text is
        # the source's description.
        def record(event):
            source = event.source
            events.append("%s on %s %r: %r%s" % (event.type, source.getRoleName(), source.name,
                                                  source.description,
                                                  " (focused)" if source.getState().contains(pyatspi.STATE_FOCUSED)
                                                  else ""))

        pyatspi.Registry.registerEventListener(record, "object:property-change:accessible-description")
        loop = GLib.MainLoop()
        GLib.timeout_add(300, lambda: calculate.queryAction().doAction(0) and False)
        GLib.timeout_add(2500, loop.quit)
        loop.run()
        pyatspi.Registry.deregisterEventListener(record, "object:property-change:accessible-description")

        print("== description changes after Calculate")
        for line in events:
            print("  " + line)
        wanted = "Force (Push) 251.32741 Pounds, Force (Pull) 226.78372 Pounds"
        check(any("push button 'Calculate'" in line and wanted in line and "(focused)" in line for line in events),
              "Calculate is announced on the focused button: " + wanted)
    finally:
        process.terminate()
        process.wait(timeout=10)
    print("== %s" % ("all checks passed" if not failures else "%d checks failed" % len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
