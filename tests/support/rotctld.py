"""Rotators for the tests: hamlib's own daemon, and peers that fail as a rotator can.

Rotctld() runs the real `rotctld -m 1` (hamlib's dummy rotator, which turns at 6 degrees a second
from 0) on a free loopback port and ends it by its PID; FakeRotctld(answer) accepts on a free
loopback port and answers each command line as `answer` says; Unaccepting() listens and accepts
no connection at all. Each is a context manager with an `address`, HOST:PORT, to give to
--rotator or TARVEL_ROTATOR.
"""
import os
import shutil
import signal
import socket
import subprocess
import threading
import time

LOOPBACK = "127.0.0.1"
START_TIME = 10  # seconds for the daemon to listen
END_TIME = 5  # seconds for it to end on SIGTERM before SIGKILL

# What hamlib 4.5's rotctld answers to \dump_state for its dummy.
DUMMY_STATE = (b"1\n1\nmin_az=-180.000000\nmax_az=450.000000\nmin_el=0.000000\n"
               b"max_el=90.000000\nsouth_zero=0\nrot_type=AzEl\ndone\n")


def free_port():
    """A loopback port nothing listens on now (another program may take it before the caller)."""
    with socket.socket() as probe:
        probe.bind((LOOPBACK, 0))
        return probe.getsockname()[1]


def ask(address, command):
    """One command on a connection of its own, as hamlib's rotctl -m 2 would send it; the reply's
    lines."""
    host, port = address.rsplit(":", 1)
    with socket.create_connection((host, int(port)), timeout=5) as connection:
        connection.sendall(command.encode() + b"\n")
        reply = b""
        lines = 2 if command == "p" else 1
        while reply.count(b"\n") < lines:
            data = connection.recv(4096)
            if not data:
                break
            reply += data
    return reply.decode().splitlines()


def azimuth(address):
    """The rotator's azimuth, read with p."""
    return float(ask(address, "p")[0])


class Rotctld:
    """rotctld -m 1 -T 127.0.0.1 -t PORT [-C CONFIG] on a free port, ended by its PID."""

    def __init__(self, config=None):
        self.config = config
        self.process = None
        self.address = None

    def __enter__(self):
        if not shutil.which("rotctld"):
            raise RuntimeError("no rotctld: install libhamlib-utils (./scripts/setup.sh)")
        # Another test may take the free port first: the daemon then ends, and another is tried.
        for _ in range(5):
            port = free_port()
            command = ["rotctld", "-m", "1", "-T", LOOPBACK, "-t", str(port)]
            if self.config:
                command += ["-C", self.config]
            self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
            if self._listening(port):
                self.address = f"{LOOPBACK}:{port}"
                return self
            self._end()
        raise RuntimeError("rotctld did not listen on any of five free ports")

    def __exit__(self, *_):
        self._end()

    def _listening(self, port):
        deadline = time.monotonic() + START_TIME
        while time.monotonic() < deadline and self.process.poll() is None:
            try:
                socket.create_connection((LOOPBACK, port), timeout=1).close()
                return True
            except OSError:
                time.sleep(0.05)
        return False

    def _end(self):
        if self.process.poll() is None:
            os.kill(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(END_TIME)
            except subprocess.TimeoutExpired:
                os.kill(self.process.pid, signal.SIGKILL)
                self.process.wait()


CLOSE = object()  # an answer that closes the connection once its bytes are sent
SILENCE = None  # no answer at all, the connection kept open


class FakeRotctld:
    """A listener on a free loopback port whose `answer(line)` gives the bytes to send back for
    each command line (without its newline): bytes, (bytes, CLOSE), or SILENCE."""

    def __init__(self, answer):
        self.answer = answer
        self.listener = socket.create_server((LOOPBACK, 0))
        self.address = f"{LOOPBACK}:{self.listener.getsockname()[1]}"
        self.thread = threading.Thread(target=self._serve, daemon=True)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *_):
        self.listener.close()

    def _serve(self):
        try:
            while True:
                connection, _ = self.listener.accept()
                threading.Thread(target=self._talk, args=(connection,), daemon=True).start()
        except OSError:
            pass  # the listener closed at the end of the test

    def _talk(self, connection):
        try:
            with connection:
                self._answer(connection)
        except OSError:
            pass  # the program under test closed first, with bytes unread

    def _answer(self, connection):
        pending = b""
        while True:
            data = connection.recv(4096)
            if not data:
                return
            pending += data
            while b"\n" in pending:
                line, pending = pending.split(b"\n", 1)
                reply = self.answer(line.decode())
                if reply is SILENCE:
                    continue
                closes = isinstance(reply, tuple)
                connection.sendall(reply[0] if closes else reply)
                if closes:
                    return


class Unaccepting:
    """A listener whose queue of connections is full: Linux drops the next SYN, so a connection
    to it is neither made nor refused."""

    def __init__(self):
        self.listener = socket.create_server((LOOPBACK, 0), backlog=0)
        self.address = f"{LOOPBACK}:{self.listener.getsockname()[1]}"
        self.fillers = []

    def __enter__(self):
        for _ in range(3):
            filler = socket.socket()
            filler.setblocking(False)
            filler.connect_ex(self.listener.getsockname())
            self.fillers.append(filler)
        time.sleep(0.2)  # the handshakes the queue holds are over
        return self

    def __exit__(self, *_):
        for filler in self.fillers:
            filler.close()
        self.listener.close()
