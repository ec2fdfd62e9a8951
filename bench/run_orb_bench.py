#!/usr/bin/env python3
"""The ORB benchmark: calls per second of a small call (long small(in long))
and MB/s of a 1 MB octet sequence sent and returned (Octets r_octets(in
Octets)), over loopback IIOP, measured in one run for

    Java client  -> Java server     (quorvex's stubs and skeletons, vemo.harl)
    Java client  -> omniORB server  (the C++ server of tests/interop)
    omniORB client -> Java server
    omniORB client -> omniORB server
    Java client  -> omniORB server, over TLS   (tls.idl's Door: the same two calls,
    omniORB client -> omniORB server, over TLS  omniORB's SSL transport, TLS 1.3)

with one client thread and with --threads (default 8) client threads
sharing one reference, and printed as a table with the ratios against
omniORB's own C++ figures at the same number of threads.

    run_orb_bench.py --quorvex Q --jar RUNTIME_JAR --work DIR [--seconds S] [--threads N]

The programs are those of tests/interop (built into DIR as there); the TLS
rows use keys and certificates made in a temporary folder (run_tls.Keys).
"""
import argparse
import os
import platform
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "interop"))
import iiop  # noqa: E402
import run_interop  # noqa: E402
import run_tls  # noqa: E402


def machine():
    cpu = platform.processor() or "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    java = subprocess.run(["java", "-version"], capture_output=True, text=True).stderr.splitlines()
    gxx = subprocess.run(["g++", "--version"], capture_output=True, text=True).stdout.splitlines()
    omni = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "libomniorb4-dev"], capture_output=True,
                          text=True).stdout
    return (f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}; "
            f"{java[0] if java else 'java ?'}; {gxx[0] if gxx else 'g++ ?'} -O2; omniORB {omni or '?'}")


def measure(client_cmd, seconds, log):
    proc = subprocess.run(client_cmd, capture_output=True, text=True, timeout=60 + 4 * seconds)
    with open(log, "w") as f:
        f.write(proc.stdout + proc.stderr)
    values = {}
    for line in proc.stdout.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[0] in ("calls/s", "MB/s"):
            values[parts[0]] = float(parts[1])
    if proc.returncode != 0 or len(values) != 2:
        raise run_interop.Failed(f"benchmark client failed ({proc.returncode}): {' '.join(client_cmd[:4])} ...\n"
                                 f"{proc.stdout[-3000:]}{proc.stderr[-3000:]}")
    return values


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--jar", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--seconds", type=float, default=3.0, help="measuring time of each figure")
    ap.add_argument("--rounds", type=int, default=3,
                    help="each pair is measured this many times, in turn with the others; the best counts")
    ap.add_argument("--threads", type=int, default=8, help="client threads of the second half of the table")
    ap.add_argument("--javac", default="javac")
    ap.add_argument("--java", default="java")
    ap.add_argument("--omniidl", default="omniidl")
    ap.add_argument("--cxx", default="g++")
    ap.add_argument("--idl-dir", default="/usr/share/idl/omniORB")
    opts = ap.parse_args()
    opts.work, opts.jar, opts.quorvex = (os.path.abspath(p) for p in (opts.work, opts.jar, opts.quorvex))
    try:
        peer, classes = run_interop.build_cpp(opts), run_interop.build_java(opts)
        tls_peer, tls_classes = run_tls.build_cpp(opts), run_tls.build_java(opts)
        rows = []
        with tempfile.TemporaryDirectory(prefix="quorvex-orb-bench-") as tmp, iiop.Processes() as procs:
            keytool = os.path.join(os.path.dirname(os.path.realpath(opts.java)), "keytool")
            keys = run_tls.Keys(tmp, keytool if os.path.exists(keytool) else "keytool")
            jior, cior = os.path.join(tmp, "java.ior"), os.path.join(tmp, "cpp.ior")
            problems = []
            _, java_ior = run_interop.start_server(
                procs, run_interop.java_cmd(opts, classes, "itest.InteropServer", [jior] + run_interop.JAVA_LOOPBACK),
                jior, os.path.join(tmp, "java-server.log"), problems, "Java server")
            _, cpp_ior = run_interop.start_server(
                procs, [peer, "server", cior] + run_interop.CPP_LOOPBACK, cior, os.path.join(tmp, "cpp-server.log"),
                problems, "omniORB server")
            tior = os.path.join(tmp, "tls.ior")
            _, tls_ior = run_interop.start_server(
                procs, [tls_peer, "server", tior] + keys.cpp("server", "ca") + ["-ORBendPoint", "giop:ssl:127.0.0.1:"],
                tior, os.path.join(tmp, "tls-server.log"), problems, "omniORB TLS server")
            if problems:
                raise run_interop.Failed("\n".join(problems))
            secs = str(opts.seconds)
            java_client = lambda ior, n: run_interop.java_cmd(  # noqa: E731
                opts, classes, "itest.InteropClient",
                [ior, "--bench", secs, "--threads", str(n)] + run_interop.JAVA_LOOPBACK)
            cpp_client = lambda ior, n: [peer, "bench", ior, secs, str(n)] + run_interop.CPP_LOOPBACK  # noqa: E731
            pairs = []
            for n in (1, opts.threads):
                suffix = "" if n == 1 else f", {n} threads"
                pairs += [(f"Java client -> Java server{suffix}", java_client(java_ior, n)),
                          (f"Java client -> omniORB server{suffix}", java_client(cpp_ior, n)),
                          (f"omniORB client -> Java server{suffix}", cpp_client(java_ior, n)),
                          (f"omniORB client -> omniORB server{suffix}", cpp_client(cpp_ior, n))]
            # over TLS, one client thread, against omniORB's SSL transport
            pairs += [("Java client -> omniORB server, TLS", run_interop.java_cmd(
                          opts, tls_classes, "tlstest.TlsPeer",
                          ["bench", tls_ior, secs] + run_interop.JAVA_LOOPBACK + keys.java("client", "ca"))),
                      ("omniORB client -> omniORB server, TLS",
                       [tls_peer, "bench", tls_ior, secs] + keys.cpp("client", "ca") + run_interop.CPP_LOOPBACK)]
            best = {name: {"calls/s": 0.0, "MB/s": 0.0} for name, _ in pairs}
            # Rounds in turn, so that a busy moment of the machine does not
            # weigh on one pair only; the best of each figure counts.
            for r in range(opts.rounds):
                for name, cmd in pairs:
                    print(f"round {r + 1}: measuring {name} ...", flush=True)
                    v = measure(cmd, opts.seconds, os.path.join(tmp, "bench.log"))
                    for k in v:
                        best[name][k] = max(best[name][k], v[k])
            rows = [(name, best[name]) for name, _ in pairs]
    except (run_interop.Failed, subprocess.TimeoutExpired) as e:
        print(f"benchmark failed: {e}")
        sys.exit(1)
    print()
    print(f"Machine: {machine()}")
    print(f"Loopback IIOP, GIOP 1.2; best of {opts.rounds} rounds of {opts.seconds:g} s per figure;"
          f" load average {os.getloadavg()[0]:.1f} at the end.")
    print()
    print("| Client -> server | small calls/s | x omniORB | 1 MB octets, MB/s | x omniORB |")
    print("|---|---:|---:|---:|---:|")
    # each half against omniORB's own figures at its number of threads; the
    # TLS rows against omniORB's in clear text with one thread
    for half, base in ((rows[:4], rows[3][1]), (rows[4:8], rows[7][1]), (rows[8:], rows[3][1])):
        for name, v in half:
            print(f"| {name} | {v['calls/s']:,.0f} | {v['calls/s'] / base['calls/s']:.2f} | "
                  f"{v['MB/s']:,.0f} | {v['MB/s'] / base['MB/s']:.2f} |")


if __name__ == "__main__":
    main()
