"""Reads the Tarvel window through AT-SPI as Orca does, after a locator pair is typed.

A control's spoken name is that of the labels labelling it (a combo box's own name is its text),
otherwise its accessible name. Listens on the bus for what a reader hears by itself (the result's
notification, the rose's value), asks every field's text as a reader asks it, and writes into
fields as an assistive tool does. Exits 1 with what is wrong.
"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi
from gi.repository import Atspi, GLib

DISTANCE, AZIMUTH, BEARING = "Distance: 177 Km", "Azimut: 224°", 224
# A field that loops or stalls on a query fails it instead of holding the test until its end.
ANSWER_LIMIT_MS = 2000
BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}


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


def editable_part(combo):
    found = [child for child in combo if child.getRole() == pyatspi.ROLE_TEXT]
    return found[0] if found else sys.exit(f"{spoken_name(combo)!r} has no editable part")


def text_fields(frame):
    """Every text a reader may query: the fields and the direction boxes' editable parts."""
    fields = [(spoken_name(child), child) for child in frame
              if child.getRole() == pyatspi.ROLE_TEXT]
    fields += [(spoken_name(child), editable_part(child)) for child in frame
               if child.getRole() == pyatspi.ROLE_COMBO_BOX]
    return fields


def type_into(frame, name, keys):
    """Keys typed once the field has the focus, not into the field that had it before."""
    field = control(frame, name)
    field.queryComponent().grabFocus()
    run_loop(5, lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
    if not field.getState().contains(pyatspi.STATE_FOCUSED):
        sys.exit(f"{name!r} took no focus")
    subprocess.run(["xdotool", "type", "--delay", "40", keys], check=True)


def run_loop(seconds, done=lambda: False):
    loop, end = GLib.MainLoop(), time.monotonic() + seconds

    def poll():
        if done() or time.monotonic() > end:
            loop.quit()
            return False
        return True

    GLib.timeout_add(100, poll)
    loop.run()


class Heard:
    """What reaches a listener on the bus by itself: names changed, notifications, rose values."""

    def __init__(self):
        self.names, self.notices, self.rose_values = [], [], 0
        pyatspi.Registry.registerEventListener(self.name_changed,
                                               "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(self.shown, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self.value_changed,
                                               "object:property-change:accessible-value")

    def name_changed(self, event):
        self.names.append(event.source.name)

    def shown(self, event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.notices.append(event.source.name)

    def value_changed(self, event):
        if event.source.getRole() == pyatspi.ROLE_DIAL:
            self.rose_values += 1

    def forget(self):
        self.notices, self.rose_values = [], 0


def expected_answer(value, boundary, offset):
    if boundary != pyatspi.TEXT_BOUNDARY_CHAR:
        return value, 0, len(value)
    return value[offset:offset + 1], offset, min(offset + 1, len(value))


def boundary_faults(name, field):
    """Every boundary at every offset, the end included, each answered whole and in time."""
    text = field.queryText()
    value = text.getText(0, -1)
    faults = []
    for offset in range(len(value) + 1):
        for boundary_name, boundary in BOUNDARIES.items():
            asked = f"{name!r} holding {value!r}, {boundary_name} at {offset}"
            try:
                answer = tuple(text.getTextAtOffset(offset, boundary))
            except GLib.Error as error:
                return [f"{asked}: no answer ({error.message})"]
            if answer != expected_answer(value, boundary, offset):
                faults.append(f"{asked}: {answer}")
        _, start, end = text.getAttributeRun(offset, False)
        if (start, end) != (0, len(value)):
            faults.append(f"{name!r} holding {value!r}: attribute run {start}-{end} at {offset}")
    return faults


def message_box(app):
    boxes = [window for window in app
             if window.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)]
    return boxes[0] if boxes else None


def close_box(box):
    buttons = pyatspi.findAllDescendants(box, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    buttons[0].queryAction().doAction(0)


def write(field, text):
    """A tool's write: answered at once, whatever the window then makes of it."""
    start = time.monotonic()
    field.queryEditableText().setTextContents(text)
    return time.monotonic() - start


def written_faults(app, frame, heard):
    """Text written through AT-SPI goes through the window's rules, and the model shows it."""
    faults = []
    degrees = control(frame, "Latitude degrés, Son")
    took = write(degrees, "999")
    run_loop(5, lambda: message_box(app) is not None)
    box = message_box(app)
    if took > 1:
        faults.append(f"writing 999 took {took:.1f} s to answer")
    if box is None:
        faults.append("999 written into a latitude's degrees brought no message")
    else:
        close_box(box)
    run_loop(5, lambda: message_box(app) is None and shown_value(degrees) == "89")
    if shown_value(degrees) != "89":
        faults.append(f"999 written into a latitude's degrees left {shown_value(degrees)!r}")

    heard.forget()
    write(control(frame, "Son locator"), "JN18EU")
    run_loop(30, lambda: heard.notices and shown_value(degrees) == "48")
    if shown_value(degrees) != "48":
        faults.append("JN18EU written into the correspondent's locator was not decoded")
    if len(heard.notices) != 1:
        faults.append(f"JN18EU written brought {len(heard.notices)} notifications")

    hemisphere = control(frame, "Direction latitude, Son")
    write(editable_part(hemisphere), "Sud")
    run_loop(5, lambda: hemisphere.name == "Sud")
    if hemisphere.name != "Sud":
        faults.append(f"Sud written into a direction box left {hemisphere.name!r}")
    return faults


def result_faults(frame, heard, rose, texts):
    faults = [f"no label reads {text!r}" for text in (DISTANCE, AZIMUTH) if text not in texts()]
    faults += [f"no name change to {text!r}" for text in (DISTANCE, AZIMUTH)
               if text not in heard.names]
    if rose is None or not rose.name:
        faults.append("the compass rose is no named object")
    elif rose.queryValue().currentValue != BEARING:
        faults.append(f"the rose's value is {rose.queryValue().currentValue}, not {BEARING}")
    if heard.rose_values != 1:
        faults.append(f"the rose told {heard.rose_values} values in its sweep, not one")
    # The sentence's words are the core's; the numbers are the result's.
    if len(heard.notices) != 1:
        faults.append(f"{len(heard.notices)} notifications shown for one result: {heard.notices}")
    elif not all(number in heard.notices[0] for number in ("177", "224")):
        faults.append(f"the notification {heard.notices[0]!r} does not tell the result")
    if any(child.getRole() == pyatspi.ROLE_NOTIFICATION for child in frame):
        faults.append("the notification is a child of the window, met by flat review")
    return faults


def main():
    sys.stdout.reconfigure(line_buffering=True)  # what was seen, even when the test is stopped
    app = application()
    frame = app[0]
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Tarvel-V1.1$", "windowfocus",
                    "--sync"], check=True, stdout=subprocess.DEVNULL)
    heard = Heard()
    run_loop(1)  # the bridge learns that someone listens
    Atspi.set_timeout(ANSWER_LIMIT_MS, ANSWER_LIMIT_MS)

    type_into(frame, "Mon locator", "JO20AA")
    control(frame, "Calcul, Mon").queryAction().doAction(0)
    run_loop(1)
    heard.forget()
    type_into(frame, "Son locator", "JN18EU")
    texts = lambda: {child.name for child in frame if child.getRole() == pyatspi.ROLE_LABEL}
    rose = next((child for child in frame if child.getRole() == pyatspi.ROLE_DIAL), None)
    bearing = lambda: rose.queryValue().currentValue if rose else None
    run_loop(30, lambda: DISTANCE in texts() and bearing() == BEARING and heard.notices)
    run_loop(1)  # anything told after the result

    faults = result_faults(frame, heard, rose, texts)
    if DISTANCE not in texts():
        # Every later step would wait its full time limit on a window that shows no result.
        for fault in faults:
            print("FAIL:", fault)
        return 1
    if frame.getRole() != pyatspi.ROLE_FRAME:
        faults.append(f"the window is a {frame.getRoleName()}, not a frame")
    stops = tab_stops(frame)
    for child in stops:
        name = spoken_name(child)
        if not name or name == shown_value(child):
            faults.append(f"a {child.getRoleName()} named {name!r}, by its value or not at all")
    print(f"{len(stops)} controls:", "; ".join(f"{c.getRoleName()} {spoken_name(c)!r}"
                                              for c in stops))
    if len(stops) < 2:
        faults.append("the window's controls are not on the bus")
    fields = text_fields(frame)
    started = time.monotonic()
    for name, field in fields:
        faults += boundary_faults(name, field)
    print(f"{len(fields)} texts asked every boundary at every offset in "
          f"{time.monotonic() - started:.2f} s")
    faults += written_faults(app, frame, heard)
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
