#!/usr/bin/env python3
"""IIOP over TLS with omniORB's SSL transport: quorvex's Java on the quorvex
runtime against omniORB's C++ of tls.idl, over loopback, both ways.

    run_tls.py --quorvex Q --jar RUNTIME_JAR --work DIR SCENARIO

SCENARIO is java_client_cpp_server or cpp_client_java_server.  In each, a
server that requires TLS and a client certificate is called by

    a client with a certificate the server trusts   -> it gets in; the servant
                                                       sees the certificate's subject
                                                       (the Java client also over TLS 1.2)
    a client without a certificate                  -> refused
    a client whose certificate the server does not trust -> refused
    a client that does not trust the server's certificate -> refused
    a client with no TLS at all                     -> refused
    a plain-text client sent to the TLS port        -> refused

and at the end the servant tells how many calls it answered: only the
trusted client's.  The server's reference publishes port 0 and the TLS
port in its TAG_SSL_SEC_TRANS component.  Keys and certificates are made
with openssl (a test authority, and a stranger one) and keytool in a
temporary folder and deleted after.
"""
import argparse
import glob
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import iiop  # noqa: E402
import run_interop  # noqa: E402
from run_interop import Built, Failed, digest, run, run_scenario  # noqa: E402

IDL = os.path.join(HERE, "tls.idl")
PEER = os.path.join(HERE, "tls_peer.cc")
JAVA_SOURCES = sorted(glob.glob(os.path.join(HERE, "java", "tls", "*.java")))
PASS = "quorvex-test"
CLIENT_DN = "CN=quorvex client,O=quorvex test"
TAG_SSL_SEC_TRANS = 20


def build_cpp(opts):
    """The omniORB TLS peer: omniidl's C++ of tls.idl and tls_peer.cc, with
    omniORB's SSL transport."""
    folder = os.path.join(opts.work, "tls-cpp")
    peer = os.path.join(folder, "tls_peer")
    with Built(folder, digest([IDL, PEER], [opts.omniidl, opts.cxx])) as b:
        if not b.fresh:
            run([opts.omniidl, "-bcxx", "-Wba", "-C" + folder, IDL])
            run([opts.cxx, "-std=c++17", "-O2", "-w", "-I" + folder, "-o", peer, PEER,
                 os.path.join(folder, "tlsSK.cc"), os.path.join(folder, "tlsDynSK.cc"),
                 "-lomniORB4", "-lomniDynamic4", "-lomnisslTP4", "-lomnithread", "-lssl", "-lcrypto", "-lpthread"])
            b.done()
    return peer


def build_java(opts):
    """quorvex's Java of tls.idl and TlsPeer, compiled against the runtime jar."""
    folder = os.path.join(opts.work, "tls-java")
    classes = os.path.join(folder, "classes")
    with Built(folder, digest([IDL, opts.quorvex, opts.jar] + JAVA_SOURCES)) as b:
        if not b.fresh:
            gen = os.path.join(folder, "gen")
            for d in (gen, classes):
                subprocess.run(["rm", "-rf", d], check=True)
                os.makedirs(d)
            run([opts.quorvex, "-fclient", "-fserver", "-j", gen, IDL])
            sources = sorted(glob.glob(os.path.join(gen, "**", "*.java"), recursive=True)) + JAVA_SOURCES
            run([opts.javac, "-nowarn", "-encoding", "UTF-8", "-cp", opts.jar, "-d", classes] + sources)
            b.done()
    return classes


class Keys:
    """Key material in a folder: an authority both sides trust, a stranger
    authority, and certificates signed by them, as PEM for omniORB and as
    PKCS12 stores for Java."""

    def __init__(self, folder, keytool):
        self.dir = folder
        self.keytool = keytool
        for ca in ("ca", "stranger-ca"):
            run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes",
                 "-keyout", self.path(ca + ".key"), "-out", self.path(ca + ".pem"), "-days", "2",
                 "-subj", f"/O=quorvex test/CN=quorvex {ca}"])
        self.sign("server", "/O=quorvex test/CN=quorvex server", "ca")
        self.sign("client", "/O=quorvex test/CN=quorvex client", "ca")
        self.sign("stranger", "/O=elsewhere/CN=stranger", "stranger-ca")
        for ca in ("ca", "stranger-ca"):
            run([keytool, "-importcert", "-noprompt", "-alias", ca, "-file", self.path(ca + ".pem"),
                 "-keystore", self.path(ca + "-trust.p12"), "-storetype", "PKCS12", "-storepass", PASS])

    def path(self, name):
        return os.path.join(self.dir, name)

    def sign(self, name, subject, ca):
        """NAME.pem: certificate and key (omniORB's key file); NAME.p12 the same for Java."""
        key, csr, crt = (self.path(name + x) for x in (".key", ".csr", ".crt"))
        run(["openssl", "req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes", "-keyout", key,
             "-out", csr, "-subj", subject])
        run(["openssl", "x509", "-req", "-in", csr, "-CA", self.path(ca + ".pem"), "-CAkey", self.path(ca + ".key"),
             "-CAcreateserial", "-out", crt, "-days", "2"])
        with open(self.path(name + ".pem"), "w") as out:
            for part in (crt, key):
                with open(part) as f:
                    out.write(f.read())
        run(["openssl", "pkcs12", "-export", "-in", crt, "-inkey", key, "-certfile", self.path(ca + ".pem"),
             "-name", name, "-passout", "pass:" + PASS, "-out", self.path(name + ".p12")])

    def java(self, key=None, trust=None):
        """Java ORB properties presenting KEY (a .p12 name) and trusting TRUST (an authority)."""
        props = []
        if key:
            props += [f"vemo.harl.tls.keyStore={self.path(key + '.p12')}", f"vemo.harl.tls.keyStorePassword={PASS}"]
        if trust:
            props += [f"vemo.harl.tls.trustStore={self.path(trust + '-trust.p12')}",
                      f"vemo.harl.tls.trustStorePassword={PASS}"]
        return props

    def cpp(self, key=None, trust=None):
        """omniORB peer options presenting KEY (its .pem) and trusting TRUST; none: no TLS."""
        if not trust:
            return []
        return ["--ca", self.path(trust + ".pem"), "--key", self.path(key + ".pem") if key else "-", "--pass", ""]


# Clients that must not get in: (what, key, trust).
REFUSED = [("a client without a certificate", None, "ca"),
           ("a client whose certificate the server does not trust", "stranger", "ca"),
           ("a client that does not trust the server's certificate", "client", "stranger-ca"),
           ("a client with no TLS at all", None, None)]


def ssl_component(ior):
    """(plain port, TLS component as (supports, requires, port) or None) of a reference's first profile."""
    text = ior.strip()
    cdr = iiop._Cdr(bytes.fromhex(text[4:]))
    cdr.string()
    for _ in range(cdr.ulong()):
        tag, body = cdr.ulong(), cdr.octets()
        if tag != 0:
            continue
        p = iiop._Cdr(body)
        p.octet(), p.octet()
        p.string()
        port = p.ushort()
        p.octets()
        for _ in range(p.ulong()):
            ctag, cdata = p.ulong(), p.octets()
            if ctag == TAG_SSL_SEC_TRANS:
                c = iiop._Cdr(cdata)
                return port, (c.ushort(), c.ushort(), c.ushort())
        return port, None
    return None, None


def scenario(opts, tmp, server_cmd, client_cmd, who_server, who_client, trusted):
    """Runs the server of server_cmd(ior_file) and the clients of
    client_cmd(ior, key, trust, actions, extra); trusted lists the trusted
    clients as (what, extra arguments), each of which must get in.  Returns
    the problems."""
    problems = []
    ior_file, slog = os.path.join(tmp, "server.ior"), os.path.join(tmp, "server.log")
    with iiop.Processes() as procs:
        server, ior = run_interop.start_server(procs, server_cmd(ior_file), ior_file, slog, problems, who_server)
        port, ssl = ssl_component(ior)
        if port != 0:
            problems.append(f"{who_server}: requires TLS but publishes plain port {port}")
        if ssl is None or ssl[2] == 0:
            problems.append(f"{who_server}: its reference announces no TLS port: {ssl}")
        elif not ssl[1] & 6:
            problems.append(f"{who_server}: its TLS component requires no protection: {ssl}")
        tls_port = ssl[2] if ssl else 0
        key = iiop.decode_ior(ior)[1][0]["key"]
        plain_url = f"corbaloc:iiop:1.2@127.0.0.1:{tls_port}/" + "".join(f"%{b:02x}" for b in key)

        def call(what, target, key, trust, actions, want, extra=()):
            log = os.path.join(tmp, f"client{len(calls)}.log")
            calls.append(what)
            proc = procs.start(client_cmd(target, key, trust, actions, list(extra)), log)
            try:
                proc.wait(run_interop.RUN_SECONDS)
            except subprocess.TimeoutExpired:
                problems.append(f"{who_client}, {what}: no answer within {run_interop.RUN_SECONDS} s")
            procs.stop(proc)
            text = run_interop.read_log(log)
            lines = [l for l in text.splitlines() if l.split(" ", 1)[0] in actions]
            ok = len(lines) == len(want) and all(w(l) for w, l in zip(want, lines))
            print(f"   {what}: {' | '.join(lines) or '(nothing)'}")
            if not ok:
                problems.append(f"{who_client}, {what}: got {lines}\n{text[-3000:]}")
            return lines

        calls = []
        print(f"== {who_client} -> {who_server}, which requires TLS and a client certificate")
        for what, extra in trusted:
            call(what, ior, "client", "ca", ["caller"], [lambda l: l == f"caller tls {CLIENT_DN}"], extra)
        refused = lambda l: l.split()[1] in ("NO_PERMISSION", "TRANSIENT", "COMM_FAILURE")  # noqa: E731
        for what, k, t in REFUSED:
            call(what, ior, k, t, ["caller"], [refused])
        call("a plain-text client on the TLS port", plain_url, None, None, ["caller"], [refused])
        call("the trusted client again", ior, "client", "ca", ["calls", "shutdown"],
             [lambda l: l == f"calls {len(trusted)}", lambda l: l == "shutdown ok"])
        try:
            server.wait(30)
        except subprocess.TimeoutExpired:
            problems.append(f"{who_server}: still running 30 s after shutdown()")
        procs.stop(server)
        run_interop.check_references(run_interop.read_log(slog), who_server, problems)
    return problems


def java_client_cpp_server(opts, tmp, keys):
    peer, classes = build_cpp(opts), build_java(opts)
    return scenario(
        opts, tmp,
        lambda f: [peer, "server", f] + keys.cpp("server", "ca") + ["-ORBendPoint", "giop:ssl:127.0.0.1:"],
        lambda ior, k, t, actions, extra: run_interop.java_cmd(
            opts, classes, "tlstest.TlsPeer", ["client", ior] + actions + run_interop.JAVA_LOOPBACK + keys.java(k, t) + extra),
        "omniORB server", "Java client",
        [("a trusted client", []), ("a trusted client over TLS 1.2", ["vemo.harl.tls.protocols=TLSv1.2"])])


def cpp_client_java_server(opts, tmp, keys):
    peer, classes = build_cpp(opts), build_java(opts)
    return scenario(
        opts, tmp,
        lambda f: run_interop.java_cmd(opts, classes, "tlstest.TlsPeer", ["server", f, "vemo.harl.tls.port=0"] +
                                       run_interop.JAVA_LOOPBACK + keys.java("server", "ca")),
        lambda ior, k, t, actions, extra: [peer, "client", ior] + actions + keys.cpp(k, t) + run_interop.CPP_LOOPBACK,
        "Java server", "omniORB client", [("a trusted client", [])])


SCENARIOS = {"java_client_cpp_server": java_client_cpp_server, "cpp_client_java_server": cpp_client_java_server}


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--quorvex", required=True)
    ap.add_argument("--jar", required=True, help="quorvex-runtime.jar")
    ap.add_argument("--work", required=True, help="folder for what is built, kept between runs")
    ap.add_argument("--javac", default="javac")
    ap.add_argument("--java", default="java")
    ap.add_argument("--omniidl", default="omniidl")
    ap.add_argument("--cxx", default="g++")
    ap.add_argument("--keep", action="store_true", help="keep the logs and keys (printed folder)")
    ap.add_argument("scenario", choices=sorted(SCENARIOS))
    opts = ap.parse_args()
    opts.work, opts.jar, opts.quorvex = (os.path.abspath(p) for p in (opts.work, opts.jar, opts.quorvex))
    keytool = os.path.join(os.path.dirname(os.path.realpath(opts.java)), "keytool")
    keytool = keytool if os.path.exists(keytool) else "keytool"
    sys.exit(run_scenario("quorvex-tls-", opts.keep, "logs and keys",
                          lambda tmp: SCENARIOS[opts.scenario](opts, tmp, Keys(tmp, keytool))))


if __name__ == "__main__":
    main()
