#!/usr/bin/python3
"""tarvel-calc's rotate and heading against hamlib's rotctld, and against peers that fail.

rotator_test.py [--signals] PROGRAM...: PROGRAM... runs tarvel-calc (under Wine: wine-run.sh,
its prefix and tarvel-calc.exe). The dummy rotator turns at 6 degrees a second, so each turn is a
few degrees. --signals adds what needs a POSIX program of our own: Ctrl+C (SIGINT, SIGTERM) while
it waits, and the progress shown on a terminal.
"""
import json
import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import rotctld  # noqa: E402
from checks import check, failures  # noqa: E402

TOLERANCE = 2  # degrees: arrived
TENTH = 0.05 + 1e-9  # a bearing sent to a tenth
RUN_TIME = 60


def run(program, arguments, environment=None):
    started = time.monotonic()
    done = subprocess.run(program + arguments, capture_output=True, text=True, timeout=RUN_TIME,
                          env={**os.environ, **(environment or {})})
    return done, time.monotonic() - started


def apart(first, second):
    """Degrees between two azimuths the shorter way round."""
    return abs((first - second + 180) % 360 - 180)


# A turn: from, to, --long-path or not, rotctld's -C, and the rotator's value expected for the
# bearing on that dummy, which stands at 0 (the value nearest 0 that points that way).
TURNS = [
    ("short path", "0,0", "1,0.05", False, None, lambda bearing: bearing),
    ("long path", "0,0", "-1,-0.05", True, None, lambda bearing: bearing),
    # 357.1 degrees fits the -180..450 dummy twice: -2.9, a few degrees away, not 357.1.
    ("the shorter of two values", "0,0", "1,-0.05", False, None, lambda bearing: bearing - 360),
    ("above 180 on a -180..180 rotator", "0,0", "1,-0.05", False, "min_az=-180,max_az=180",
     lambda bearing: bearing - 360),
]


def turns(program):
    for name, source, target, long_path, config, expected in TURNS:
        path, _ = run(program, ["--json", "path", source, target])
        bearing = json.loads(path.stdout)["long_path_azimuth" if long_path else "azimuth"]
        with rotctld.Rotctld(config) as daemon:
            arguments = ["--json", "rotate", source, target, "--rotator", daemon.address]
            done, _ = run(program, arguments + (["--long-path"] if long_path else []))
            check(done.returncode == 0, f"{name}: rotate ends with 0 ({done.stderr.strip()})")
            if done.returncode != 0:
                continue
            result = json.loads(done.stdout)
            check(apart(result["target"], bearing) <= TENTH,
                  f"{name}: sent {result['target']}, path's azimuth {bearing}")
            check(abs(result["rotator_target"] - expected(result["target"])) <= TENTH,
                  f"{name}: sent to the rotator as {result['rotator_target']}")
            check(abs(result["rotator_azimuth"] - result["rotator_target"]) <= TOLERANCE,
                  f"{name}: arrived at {result['rotator_azimuth']}")
            heading, _ = run(program, ["--json", "heading", "--rotator", daemon.address])
            read = json.loads(heading.stdout) if heading.returncode == 0 else {}
            check(abs(read.get("rotator_azimuth", 1e9) - result["rotator_target"]) <= TOLERANCE
                  and apart(read["azimuth"], result["target"]) <= TOLERANCE,
                  f"{name}: heading reads {read}")
            check(abs(rotctld.azimuth(daemon.address) - result["rotator_target"]) <= TOLERANCE,
                  f"{name}: the daemon stands at {rotctld.azimuth(daemon.address)}")


def without_waiting(program):
    with rotctld.Rotctld() as daemon:
        # Due east, 15 s of turning: the call returns once the position is accepted.
        done, seconds = run(program, ["--json", "rotate", "0,0", "0,1", "--no-wait"],
                            {"TARVEL_ROTATOR": daemon.address})
        check(done.returncode == 0 and json.loads(done.stdout)["rotator_target"] == 90.0,
              f"--no-wait through TARVEL_ROTATOR: {done.stdout.strip()} {done.stderr.strip()}")
        check(seconds < 5, f"--no-wait returns at once ({seconds:.1f} s)")
        first = rotctld.azimuth(daemon.address)
        time.sleep(0.5)
        second = rotctld.azimuth(daemon.address)
        check(0 <= first < second < 90, f"the antenna turns east: {first}, then {second}")


def position_refused(line):
    if line == "\\dump_state":
        return rotctld.DUMMY_STATE
    if line == "p":
        return b"0.000000\n0.000000\n"
    return b"RPRT -1\n"


# A fault: the peer (None: nothing listening), the command, what the message must say.
FAULTS = [
    ("nothing listening", None, ["heading"], "aucun rotator ne répond à {address}"),
    ("a connection never accepted", rotctld.Unaccepting, ["heading"],
     "pas de connexion au rotator à {address} en 2 s"),
    ("a listener that never answers", lambda: rotctld.FakeRotctld(lambda line: rotctld.SILENCE),
     ["heading"], "le rotator à {address} n'a pas répondu en 2 s à « p »"),
    ("RPRT -1", lambda: rotctld.FakeRotctld(position_refused), ["rotate", "0,0", "1,0.05"],
     "le rotator à {address} refuse « P 2.9 0.0 » : RPRT -1, paramètre invalide"),
    ("a peer that closes mid-reply",
     lambda: rotctld.FakeRotctld(lambda line: (b"12.", rotctld.CLOSE)), ["heading"],
     "a fermé la connexion au milieu de sa réponse à « p »"),
    ("100 kB without a newline", lambda: rotctld.FakeRotctld(lambda line: b"7" * 100_000),
     ["heading"], "réponse trop longue du rotator à {address} à « p »"),
]


def faults(program):
    for name, peer, arguments, expected in FAULTS:
        if peer is None:
            address = f"{rotctld.LOOPBACK}:{rotctld.free_port()}"
            done, seconds = run(program, arguments + ["--rotator", address])
        else:
            with peer() as listening:
                address = listening.address
                done, seconds = run(program, arguments + ["--rotator", address])
        said = expected.format(address=address)
        check(done.returncode == 3 and said in done.stderr and not done.stdout,
              f"{name}: status {done.returncode}, {done.stderr.strip()}")
        check(seconds < 8, f"{name}: told within the time limits ({seconds:.1f} s)")


BAD_INPUT = [
    (["heading", "--rotator", "127.0.0.1:0"], "--rotator « 127.0.0.1:0 » : adresse invalide"),
    (["rotate", "0,0", "91,0"], "la latitude « 91 » sort de la plage"),
]


def bad_input(program):
    for arguments, expected in BAD_INPUT:
        done, _ = run(program, arguments, {"TARVEL_ROTATOR": "127.0.0.1:1"})
        check(done.returncode == 2 and expected in done.stderr,
              f"{' '.join(arguments)}: status {done.returncode}, {done.stderr.strip()}")


def interrupted(program):
    """Ctrl+C (SIGINT) or SIGTERM while waiting: the antenna stops, the program says where."""
    for number, status in ((signal.SIGINT, 130), (signal.SIGTERM, 143)):
        with rotctld.Rotctld() as daemon:
            waiting = subprocess.Popen(program + ["rotate", "0,0", "0,1", "--rotator",
                                                  daemon.address],
                                       stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
            time.sleep(1)
            waiting.send_signal(number)
            _, said = waiting.communicate(timeout=RUN_TIME)
            first = rotctld.azimuth(daemon.address)
            time.sleep(0.5)
            check(waiting.returncode == status and "interrompu : antenne arrêtée à" in said,
                  f"{number.name}: status {waiting.returncode}, {said.strip()}")
            check(0 < first == rotctld.azimuth(daemon.address) < 45,
                  f"{number.name}: the antenna stays at {first}")


def progress(program):
    """On a terminal the heading is shown as it turns, at most four times a second."""
    with rotctld.Rotctld() as daemon:
        command = " ".join(program + ["rotate", "0,0", "1,0.2", "--rotator", daemon.address])
        started = time.monotonic()
        # Bytes, not text: the carriage returns that rewrite the line are kept.
        shown = subprocess.run(["script", "-qec", command, "/dev/null"], capture_output=True,
                               timeout=RUN_TIME).stdout.decode()
        seconds = time.monotonic() - started
        updates = shown.count("\rantenne ")
        check(2 <= updates <= 4 * seconds + 1 and "reste" in shown and "visée 11.3°" in shown,
              f"progress: {updates} updates in {seconds:.1f} s, {shown!r}")


def main():
    arguments = sys.argv[1:]
    signals = arguments[:1] == ["--signals"]
    program = arguments[1:] if signals else arguments
    for part in [turns, without_waiting, faults, bad_input] + ([interrupted, progress]
                                                                if signals else []):
        part(program)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
