#!/usr/bin/python3
"""The window with a rotator, against hamlib's rotctld and against peers that fail.

rotator_window_test.py PROBE...: PROBE... runs the binding's rotator probe (under Wine:
wine-run.sh, its prefix and the probe's .exe), which types a correspondent into the real window
with my locator saved, a key just after, lets the window run, and prints what it saw. The dummy
turns at 6 degrees a second from north: the correspondent lies 7.5 degrees east of it.
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rotctld  # noqa: E402
from checks import check, failures  # noqa: E402

CORRESPONDENT = "JP32AA"  # from JN18EU, the saved locator
TOLERANCE = 2  # degrees: arrived
REPLY_TIME_MS = 2000
RUN_TIME = 90


def probe(program, address, milliseconds):
    done = subprocess.run(program + [CORRESPONDENT, str(milliseconds)], capture_output=True,
                          timeout=RUN_TIME, env={**os.environ, "TARVEL_ROTATOR": address})
    seen = {}
    for line in done.stdout.decode("utf-8", "replace").splitlines():
        key, _, value = line.strip().partition(" ")
        seen.setdefault(key, []).append(value)
    if done.returncode != 0:
        print(done.stderr.decode("utf-8", "replace"))
    return done.returncode, seen


def first(seen, key):
    return seen.get(key, [""])[0]


def turns_the_dummy(program):
    with rotctld.Rotctld() as daemon:
        status, seen = probe(program, daemon.address, 5000)
        check(status == 0, f"rotctld: the probe ran (status {status})")
        shown = int(re.search(r"\d+", first(seen, "azimuth_label")).group())
        heading = float(subprocess.run(
            ["rotctl", "-m", "2", "-r", daemon.address, "p"], capture_output=True, text=True,
            timeout=10, check=True).stdout.split()[0])
        check(abs(heading - shown) <= TOLERANCE,
              f"rotctld: the dummy stands at {heading}, the window shows {shown}°")
        # The label shows the window's whole degree; the antenna goes to the exact bearing.
        near = [f"{degrees}" for degrees in (shown - 1, shown, shown + 1)]
        said = [s for s in seen.get("announced", []) if s.startswith("antenne")]
        check(len(said) == 1 and any(said[0] == f"antenne à {d} degrés" for d in near),
              f"rotctld: the arrival said once: {seen.get('announced')}")
        check(any(first(seen, "reading") == f"Antenne {d}°" for d in near),
              f"rotctld: the rose reads {first(seen, 'reading')}")
        check(first(seen, "needle") == "drawn", "rotctld: the antenna's needle is drawn")
        check("message" not in seen, f"rotctld: no message ({seen.get('message')})")


# A peer and what the one message must say of it.
FAULTS = [
    ("nothing listening", None, "aucun rotator ne répond à {address}"),
    ("accepts and never answers", lambda line: rotctld.SILENCE, "n'a pas répondu en 2 s"),
    ("RPRT -1", lambda line: b"RPRT -1\n", "refuse"),
    ("closes mid-reply", lambda line: (b"12.0", rotctld.CLOSE), "au milieu de sa réponse"),
    ("100 kB without a newline", lambda line: b"9" * 100_000, "réponse trop longue"),
]


def meets_a_fault(program, name, answer, expected):
    if answer is None:
        address = f"{rotctld.LOOPBACK}:{rotctld.free_port()}"
        status, seen = probe(program, address, 3500)
    else:
        with rotctld.FakeRotctld(answer) as peer:
            address = peer.address
            status, seen = probe(program, address, 4500)
    check(status == 0, f"{name}: the probe ran (status {status})")
    messages = seen.get("message", [])
    check(len(messages) == 1, f"{name}: one message, not {len(messages)}: {messages}")
    check(all(expected.format(address=address) in m and address in m for m in messages),
          f"{name}: it says what and where: {messages}")
    check(first(seen, "messages_during_sweep") == "0", f"{name}: none during the sweep")
    key = seen.get("key_ms")
    check(key is not None and int(key[0]) < REPLY_TIME_MS,
          f"{name}: the key reached its field before the 2 s time-out ({key} ms)")
    check(first(seen, "reading") == "Antenne injoignable" or answer is not None and
          "RPRT" in name, f"{name}: the rose reads {first(seen, 'reading')}")
    check(first(seen, "needle") == "none" or "RPRT" in name, f"{name}: no antenna needle")


def main():
    program = sys.argv[1:]
    turns_the_dummy(program)
    for name, answer, expected in FAULTS:
        meets_a_fault(program, name, answer, expected)
    if failures:
        print(f"{len(failures)} failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
