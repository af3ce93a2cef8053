"""Reads the Tarvel window through AT-SPI as Orca does, after a locator pair is typed.

A control's spoken name is that of the labels labelling it (a combo box's own name is its text),
otherwise its accessible name. Exits 1 with what is wrong.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DISTANCE, AZIMUTH, BEARING = "Distance: 177 Km", "Azimut: 224°", 224


def application(timeout=30):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tarvel":
                return app
        time.sleep(0.2)
    sys.exit("the window never reached the accessibility bus")


def spoken_name(accessible):
    labels = [relation.getTarget(i).name for relation in accessible.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    return " ".join(labels) if labels else accessible.name


def shown_value(accessible):
    if accessible.getRole() == pyatspi.ROLE_COMBO_BOX:
        return accessible.name
    try:
        return accessible.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def tab_stops(frame):
    """Focusable children on screen (the hidden distance button is none)."""
    return [child for child in frame
            if child.getState().contains(pyatspi.STATE_FOCUSABLE)
            and child.getState().contains(pyatspi.STATE_SHOWING)]


def control(frame, name):
    found = [child for child in tab_stops(frame) if spoken_name(child) == name]
    return found[0] if found else sys.exit(f"no control is named {name!r}")


def type_into(frame, name, keys):
    control(frame, name).queryComponent().grabFocus()
    subprocess.run(["xdotool", "type", "--delay", "40", keys], check=True)


def run_loop(seconds, done=lambda: False):
    loop, end = GLib.MainLoop(), time.monotonic() + seconds

    def poll():
        if done() or time.monotonic() > end:
            loop.quit()
            return False
        return True

    GLib.timeout_add(200, poll)
    loop.run()


def main():
    frame = application()[0]
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Tarvel-V1.1$", "windowfocus",
                    "--sync"], check=True, stdout=subprocess.DEVNULL)
    heard = []
    pyatspi.Registry.registerEventListener(lambda event: heard.append(event.source.name),
                                           "object:property-change:accessible-name")
    run_loop(1)  # the bridge learns that someone listens

    type_into(frame, "Mon locator", "JO20AA")
    control(frame, "Calcul, Mon").queryAction().doAction(0)
    type_into(frame, "Son locator", "JN18EU")
    texts = lambda: {child.name for child in frame if child.getRole() == pyatspi.ROLE_LABEL}
    rose = next((child for child in frame if child.getRole() == pyatspi.ROLE_DIAL), None)
    bearing = lambda: rose.queryValue().currentValue if rose else None
    run_loop(30, lambda: DISTANCE in texts() and bearing() == BEARING)

    faults = [f"no label reads {text!r}" for text in (DISTANCE, AZIMUTH) if text not in texts()]
    faults += [f"no name change to {text!r}" for text in (DISTANCE, AZIMUTH) if text not in heard]
    if rose is None or not rose.name:
        faults.append("the compass rose is no named object")
    if bearing() != BEARING:
        faults.append(f"the rose's value is {bearing()}, not {BEARING}")
    stops = tab_stops(frame)
    for child in stops:
        name = spoken_name(child)
        if not name or name == shown_value(child):
            faults.append(f"a {child.getRoleName()} named {name!r}, by its value or not at all")
    print(f"{len(stops)} controls:", "; ".join(f"{c.getRoleName()} {spoken_name(c)!r}"
                                              for c in stops))
    if len(stops) < 2:
        faults.append("the window's controls are not on the bus")
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
