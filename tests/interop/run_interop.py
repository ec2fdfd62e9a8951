#!/usr/bin/env python3
"""Interoperability with omniORB: quorvex's Java on the quorvex runtime
against omniORB's C++ mapping of the same IDL, over loopback IIOP.

    run_interop.py --quorvex Q --jar RUNTIME_JAR --work DIR SCENARIO

SCENARIO is java_client_cpp_server, cpp_client_java_server or naming.  The
C++ side (omniidl -bcxx, g++) and the Java side (quorvex, javac) are built
once into DIR and rebuilt when an input changes.  Every server binds to
127.0.0.1 and every reference handed out must name 127.0.0.1.  Each run
has a time limit; whatever was started is stopped at the end.
"""
import argparse
import fcntl
import glob
import hashlib
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import iiop  # noqa: E402

IDL = os.path.join(HERE, "interop.idl")
PEER = os.path.join(HERE, "peer.cc")
JAVA_SOURCES = sorted(glob.glob(os.path.join(HERE, "java", "itest", "*.java")))

# The runtime's settings (runtime/README.md): every Java ORB publishes and
# listens on 127.0.0.1, with timeouts so that nothing waits for ever.
JAVA_LOOPBACK = ["vemo.harl.host=127.0.0.1", "vemo.harl.connectTimeout=10000", "vemo.harl.replyTimeout=60000"]
CPP_LOOPBACK = ["-ORBendPoint", "giop:tcp:127.0.0.1:", "-ORBclientCallTimeOutPeriod", "60000",
                "-ORBclientConnectTimeOutPeriod", "10000"]
RUN_SECONDS = 240


class Failed(Exception):
    pass


def run(cmd, **kw):
    proc = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if proc.returncode != 0:
        raise Failed(f"command failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stdout[-4000:]}{proc.stderr[-4000:]}")
    return proc


def digest(paths, extra=()):
    h = hashlib.sha256()
    for p in paths:
        h.update(p.encode())
        with open(p, "rb") as f:
            h.update(f.read())
    for e in extra:
        h.update(str(e).encode())
    return h.hexdigest()


class Built:
    """Builds a part into a folder once per set of inputs, under a lock so
    that tests running at once share it."""

    def __init__(self, folder, stamp):
        self.folder, self.stamp = folder, stamp

    def __enter__(self):
        os.makedirs(self.folder, exist_ok=True)
        self.lock = open(os.path.join(self.folder, ".lock"), "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        path = os.path.join(self.folder, ".stamp")
        self.fresh = os.path.exists(path) and open(path).read() == self.stamp
        return self

    def done(self):
        with open(os.path.join(self.folder, ".stamp"), "w") as f:
            f.write(self.stamp)

    def __exit__(self, *exc):
        fcntl.flock(self.lock, fcntl.LOCK_UN)
        self.lock.close()
        return False


def build_cpp(opts):
    """The omniORB peer: omniidl's C++ of interop.idl and peer.cc."""
    folder = os.path.join(opts.work, "cpp")
    peer = os.path.join(folder, "peer")
    with Built(folder, digest([IDL, PEER], [opts.omniidl, opts.cxx])) as b:
        if not b.fresh:
            run([opts.omniidl, "-bcxx", "-Wba", "-I" + opts.idl_dir, "-C" + folder, IDL])
            run([opts.cxx, "-std=c++17", "-O2", "-w", "-I" + folder, "-o", peer, PEER,
                 os.path.join(folder, "interopSK.cc"), os.path.join(folder, "interopDynSK.cc"),
                 "-lomniORB4", "-lomniDynamic4", "-lomnithread", "-lpthread"])
            b.done()
    return peer


def build_java(opts):
    """quorvex's Java of interop.idl and CosNaming.idl, and the tests' own
    classes, compiled against the runtime jar."""
    folder = os.path.join(opts.work, "java")
    classes = os.path.join(folder, "classes")
    naming_idl = os.path.join(opts.idl_dir, "COS", "CosNaming.idl")
    inputs = [IDL, naming_idl, opts.quorvex, opts.jar] + JAVA_SOURCES
    with Built(folder, digest(inputs)) as b:
        if not b.fresh:
            gen = os.path.join(folder, "gen")
            for d in (gen, classes):
                subprocess.run(["rm", "-rf", d], check=True)
                os.makedirs(d)
            # interop.idl holds value types and an abstract interface, which need -fcorba3.
            run([opts.quorvex, "-fcorba3", "-fclient", "-fserver", "-j", gen, IDL])
            run([opts.quorvex, "-fclient", "-fserver", "-I" + opts.idl_dir, "-j", gen, naming_idl])
            sources = sorted(glob.glob(os.path.join(gen, "**", "*.java"), recursive=True)) + JAVA_SOURCES
            listing = os.path.join(folder, "sources.txt")
            with open(listing, "w") as f:
                f.write("\n".join(sources) + "\n")
            run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", opts.jar, "-d", classes, "@" + listing])
            b.done()
    return classes


def java_cmd(opts, classes, main, args):
    return [opts.java, "-Xss4m", "-cp", opts.jar + os.pathsep + classes, main] + args


def read_log(path):
    with open(path, errors="replace") as f:
        return f.read()


def check_references(text, who, problems):
    """Every reference a program printed ("...reference: IOR:...") names 127.0.0.1."""
    for line in text.splitlines():
        if "reference: IOR:" in line:
            problems += [f"{who}: {p}" for p in iiop.loopback_problems(line.split("reference: ", 1)[1])]


def summary(text, who, problems, need_checks=True):
    """The last "who: N checks, M failed" line must say M = 0 and N > 0."""
    for line in text.splitlines():
        if line.startswith("FAILED"):
            problems.append(f"{who}: {line[:2000]}")
    lines = [l for l in text.splitlines() if l.startswith(who + ": ") and " checks, " in l]
    if not lines:
        problems.append(f"{who}: no summary line (it did not finish)")
        return
    words = lines[-1].split()
    checks, failed = int(words[1]), int(words[3])
    if failed or (need_checks and checks == 0):
        problems.append(f"{who}: {lines[-1]}")


def start_server(procs, cmd, ior_file, log, problems, who):
    proc = procs.start(cmd, log)
    ior = iiop.wait_for_file(ior_file, proc, 60)
    if ior is None:
        raise Failed(f"{who} did not write its reference:\n{read_log(log)[-4000:]}")
    problems += [f"{who}: {p}" for p in iiop.loopback_problems(ior)]
    return proc, ior


def finish_server(procs, proc, log, problems, who, client_finished):
    """Waits for a server the client shut down (not for one left running by
    a client that stopped early), and checks what it printed."""
    try:
        proc.wait(30 if client_finished else 1)
    except subprocess.TimeoutExpired:
        if client_finished:
            problems.append(f"{who}: still running 30 s after shutdown()")
    procs.stop(proc)
    text = read_log(log)
    summary(text, "server", problems)
    check_references(text, who, problems)
    return text


def missing_key(ior):
    """A corbaloc reference to the server's endpoint with a key it does not know."""
    _, profiles = iiop.decode_ior(ior)
    major, minor = profiles[0]["version"]
    return f"corbaloc:iiop:{major}.{minor}@127.0.0.1:{profiles[0]['port']}/NoSuchObjectKey"


def run_case(tmp, i, what, server_name, server_cmd, want, client_name, client_cmd):
    """One configuration: the server started by server_cmd(ior_file), whose
    reference must offer GIOP `want`, and the client run by client_cmd(ior)
    against it.  Run once: a failure is a fault to find, never one to run
    past; it is shown with the server's log.  Returns its problems."""
    print(f"== {what}")
    case = []
    ior_file, slog, clog = (os.path.join(tmp, f"{n}{i}") for n in ("ior", "server", "client"))
    with iiop.Processes() as procs:
        server, ior = start_server(procs, server_cmd(ior_file), ior_file, slog, case, server_name)
        offered = iiop.decode_ior(ior)[1][0]["version"]
        if offered != want:
            case.append(f"{server_name}: its reference offers GIOP {offered}")
        client = procs.start(client_cmd(ior), clog)
        try:
            client.wait(RUN_SECONDS)
        except subprocess.TimeoutExpired:
            case.append(f"{client_name}: no answer within {RUN_SECONDS} s")
        procs.stop(client)
        text = read_log(clog)
        summary(text, "client", case)
        check_references(text, client_name, case)
        finish_server(procs, server, slog, case, server_name, "client: " in text)
    if case:
        print(read_log(slog)[-2000:])
    print("   " + ("ok" if not case else f"{len(case)} problems"))
    return [f"[{what}] {p}" for p in case]


def java_client_cpp_server(opts, tmp):
    peer, classes = build_cpp(opts), build_java(opts)
    # (omniORB's highest GIOP version, the Java client's settings)
    cases = [("1.2", []), ("1.2", ["vemo.harl.littleEndian=true"]), ("1.0", []),
             ("1.2", ["vemo.harl.giopMinor=0"])]
    problems = []
    for i, (version, settings) in enumerate(cases):
        problems += run_case(
            tmp, i, f"omniORB GIOP {version}, Java client {' '.join(settings) or 'defaults'}",
            "omniORB server", lambda f: [peer, "server", f] + CPP_LOOPBACK + ["-ORBmaxGIOPVersion", version],
            (1, int(version[-1])),
            "Java client", lambda ior: java_cmd(opts, classes, "itest.InteropClient",
                                                [ior, "--missing", missing_key(ior), "--shutdown"] + JAVA_LOOPBACK + settings))
    return problems


def cpp_client_java_server(opts, tmp):
    peer, classes = build_cpp(opts), build_java(opts)
    # (the Java server's settings, omniORB client's highest GIOP version)
    cases = [([], "1.2"), ([], "1.0"), (["vemo.harl.giopMinor=0"], "1.2"),
             (["vemo.harl.littleEndian=true"], "1.2")]
    problems = []
    for i, (settings, version) in enumerate(cases):
        problems += run_case(
            tmp, i, f"Java server {' '.join(settings) or 'defaults'}, omniORB client GIOP {version}",
            "Java server", lambda f: java_cmd(opts, classes, "itest.InteropServer", [f] + JAVA_LOOPBACK + settings),
            (1, 0) if "vemo.harl.giopMinor=0" in settings else (1, 2),
            "omniORB client", lambda ior: [peer, "client", ior, "--missing", missing_key(ior), "--shutdown"] +
            CPP_LOOPBACK + ["-ORBmaxGIOPVersion", version])
    return problems


def naming(opts, tmp):
    peer, classes = build_cpp(opts), build_java(opts)
    problems = []
    port = iiop.free_port()
    logdir = os.path.join(tmp, "names")
    os.makedirs(logdir)
    url = f"corbaloc:iiop:127.0.0.1:{port}/NameService"
    with iiop.Processes() as procs:
        nlog = os.path.join(tmp, "omniNames.log")
        names = procs.start([opts.omninames, "-start", str(port), "-logdir", logdir,
                             "-ORBendPoint", f"giop:tcp:127.0.0.1:{port}"], nlog)
        # omniNames prints its root context's reference once it listens.
        import time
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and "IOR:" not in read_log(nlog) and names.poll() is None:
            time.sleep(0.1)
        text = read_log(nlog)
        if "IOR:" not in text:
            raise Failed(f"omniNames did not start:\n{text[-3000:]}")
        root = "IOR:" + text.split("IOR:", 1)[1].split()[0]
        problems += [f"omniNames: {p}" for p in iiop.loopback_problems(root)]
        tlog = os.path.join(tmp, "naming.log")
        test = subprocess.Popen(java_cmd(opts, classes, "itest.NamingTest",
                                         [url, "vemo.harl.InitRef.NameService=" + url] + JAVA_LOOPBACK),
                                stdin=subprocess.PIPE, stdout=open(tlog, "w"), stderr=subprocess.STDOUT, text=True,
                                start_new_session=True)
        procs.procs.append(test)
        deadline = time.monotonic() + RUN_SECONDS
        while time.monotonic() < deadline and "bound interop/tester" not in read_log(tlog) and test.poll() is None:
            time.sleep(0.1)
        if "bound interop/tester" in read_log(tlog):
            # omniORB's client finds the Java server by its name.
            clog = os.path.join(tmp, "ping.log")
            ping = procs.start([peer, "ping", f"corbaname::127.0.0.1:{port}#interop/tester"] + CPP_LOOPBACK, clog)
            try:
                ping.wait(RUN_SECONDS)
            except subprocess.TimeoutExpired:
                problems.append("omniORB client: no answer")
            procs.stop(ping)
            summary(read_log(clog), "ping", problems)
            try:
                test.stdin.write("done\n")
                test.stdin.close()
            except OSError:
                pass
        else:
            problems.append("the Java test did not bind its tester")
        try:
            test.wait(RUN_SECONDS)
        except subprocess.TimeoutExpired:
            problems.append(f"the Java test did not finish within {RUN_SECONDS} s")
        procs.stop(test)
        text = read_log(tlog)
        summary(text, "naming", problems)
        check_references(text, "Java naming test", problems)
    return problems


SCENARIOS = {"java_client_cpp_server": java_client_cpp_server, "cpp_client_java_server": cpp_client_java_server,
             "naming": naming}


def run_scenario(prefix, keep, kept, scenario):
    """Runs scenario(tmp) in a fresh temporary folder, removed afterwards
    unless keep (then its path is printed as holding `kept`); prints the
    problems the scenario returns and gives the exit status."""
    tmp = tempfile.mkdtemp(prefix=prefix)
    try:
        problems = scenario(tmp)
    except Failed as e:
        problems = [str(e)]
    finally:
        if not keep:
            subprocess.run(["rm", "-rf", tmp])
        else:
            print(f"{kept} in {tmp}")
    if problems:
        print(f"{len(problems)} problems:")
        for p in problems:
            print("  " + p)
        return 1
    print("ok")
    return 0


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--jar", required=True, help="quorvex-runtime.jar")
    ap.add_argument("--work", required=True, help="folder for what is built, kept between runs")
    ap.add_argument("--javac", default="javac")
    ap.add_argument("--java", default="java")
    ap.add_argument("--omniidl", default="omniidl")
    ap.add_argument("--omninames", default="omniNames")
    ap.add_argument("--cxx", default="g++")
    ap.add_argument("--idl-dir", default="/usr/share/idl/omniORB")
    ap.add_argument("--keep", action="store_true", help="keep the logs (printed folder)")
    ap.add_argument("scenario", choices=sorted(SCENARIOS))
    opts = ap.parse_args()
    opts.work = os.path.abspath(opts.work)
    opts.jar = os.path.abspath(opts.jar)
    opts.quorvex = os.path.abspath(opts.quorvex)
    sys.exit(run_scenario("quorvex-interop-", opts.keep, "logs",
                          lambda tmp: SCENARIOS[opts.scenario](opts, tmp)))


if __name__ == "__main__":
    main()
