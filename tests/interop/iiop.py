"""Helpers shared by the interoperability tests and the ORB benchmark:
decoding stringified object references, free loopback ports, and processes
that are always stopped."""
import os
import signal
import socket
import struct
import subprocess
import time


class IorError(Exception):
    pass


class _Cdr:
    """Reads CDR from an encapsulation (its first octet is the byte order)."""

    def __init__(self, data):
        if not data:
            raise IorError("empty encapsulation")
        self.data = data
        self.little = data[0] & 1 == 1
        self.pos = 1

    def align(self, n):
        self.pos += (-self.pos) % n

    def take(self, n):
        if n < 0 or self.pos + n > len(self.data):
            raise IorError(f"truncated at {self.pos} (+{n} of {len(self.data)})")
        b = self.data[self.pos:self.pos + n]
        self.pos += n
        return b

    def ulong(self):
        self.align(4)
        return struct.unpack("<I" if self.little else ">I", self.take(4))[0]

    def ushort(self):
        self.align(2)
        return struct.unpack("<H" if self.little else ">H", self.take(2))[0]

    def octet(self):
        return self.take(1)[0]

    def octets(self):
        return self.take(self.ulong())

    def string(self):
        raw = self.octets()
        if not raw or raw[-1] != 0:
            raise IorError("string without its terminating NUL")
        return raw[:-1].decode("latin-1")


def decode_ior(text):
    """The type id and the IIOP profiles of a stringified reference: a list of
    dicts with version, host, port, key and the addresses of any alternate
    address components."""
    text = text.strip()
    if not text.startswith("IOR:"):
        raise IorError("not an IOR: " + text[:40])
    try:
        data = bytes.fromhex(text[4:])
    except ValueError as e:
        raise IorError(str(e))
    cdr = _Cdr(data)
    type_id = cdr.string()
    profiles = []
    for _ in range(cdr.ulong()):
        tag = cdr.ulong()
        body = cdr.octets()
        if tag != 0:
            continue
        p = _Cdr(body)
        major, minor = p.octet(), p.octet()
        prof = {"version": (major, minor), "host": p.string(), "port": p.ushort(), "key": p.octets(),
                "alternates": []}
        if minor >= 1:
            for _ in range(p.ulong()):
                ctag = p.ulong()
                cdata = p.octets()
                if ctag == 3:  # an alternate IIOP address
                    c = _Cdr(cdata)
                    prof["alternates"].append((c.string(), c.ushort()))
        profiles.append(prof)
    return type_id, profiles


def loopback_problems(text):
    """What is wrong with a reference a test hands out: every address it
    names must be 127.0.0.1.  An empty list when it is right."""
    try:
        type_id, profiles = decode_ior(text)
    except IorError as e:
        return [f"undecodable reference: {e}"]
    if not profiles:
        return [f"no IIOP profile in the reference of {type_id}"]
    problems = []
    for p in profiles:
        for host, port in [(p["host"], p["port"])] + p["alternates"]:
            if host != "127.0.0.1":
                problems.append(f"{type_id} names host {host}:{port}, not 127.0.0.1")
    return problems


def free_port():
    """A TCP port free on the loopback interface just now."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Processes:
    """Started processes, each in its own process group, all stopped when the
    block ends however it ends."""

    def __init__(self):
        self.procs = []

    def __enter__(self):
        return self

    def start(self, cmd, log, **kw):
        out = open(log, "w")
        proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, start_new_session=True, **kw)
        out.close()
        self.procs.append(proc)
        return proc

    def stop(self, proc, grace=5.0):
        if proc.poll() is None:
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                proc.wait(grace)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait(grace)
        return proc.returncode

    def __exit__(self, *exc):
        for proc in self.procs:
            self.stop(proc)
        return False


def wait_for_file(path, proc, timeout):
    """The text of a file a process writes (a reference), once it exists and
    is not empty; None when the process ends first or time runs out."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if os.path.exists(path):
            with open(path) as f:
                text = f.read().strip()
            if text:
                return text
        if proc.poll() is not None:
            return None
        time.sleep(0.05)
    return None
