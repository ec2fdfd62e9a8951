#!/usr/bin/env python3
"""What a user installs: the installed and relocated tree, the manual page,
and the Debian package.

    run_install.py --build DIR --source DIR install|manpage|package
"""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile


def fail(text):
    print(text)
    sys.exit(1)


def run(cmd, **kw):
    proc = subprocess.run(cmd, capture_output=True, text=True, **kw)
    if proc.returncode != 0:
        fail(f"command failed ({proc.returncode}): {' '.join(cmd)}\n{proc.stdout}{proc.stderr}")
    return proc


RUNTIME_JAR = "usr/share/java/quorvex-runtime.jar"


def check_jar(jar):
    """The runtime library holds the classes generated code needs and names
    its module."""
    import zipfile
    with zipfile.ZipFile(jar) as z:
        names = set(z.namelist())
        manifest = z.read("META-INF/MANIFEST.MF").decode()
    for cls in ("org/omg/CORBA/ORB.class", "org/omg/CORBA/portable/OperationDescriptor.class",
                "vemo/harl/cdr/CDROutputStream.class", "vemo/harl/Support.class"):
        if cls not in names:
            fail(f"{jar} lacks {cls}")
    if "Automatic-Module-Name: vemo.harl" not in manifest:
        fail(f"{jar} names no module:\n{manifest}")


def check_runs(quorvex, work, expect_wrapper):
    """The binary compiles an IDL file through the wrapper it finds."""
    out = os.path.join(work, "out")
    os.makedirs(out, exist_ok=True)
    idl = os.path.join(work, "a.idl")
    with open(idl, "w") as f:
        f.write("#define N 3\nmodule M { struct S { long a; }; const long K = N; };\n")
    proc = run([quorvex, "-fdebug-reader", "-fclient", "-j", out, idl])
    if f"|{expect_wrapper}|" not in proc.stderr:
        fail(f"the wrapper {expect_wrapper} was not used:\n{proc.stderr}")
    if not os.path.exists(os.path.join(out, "M", "S.java")):
        fail("no M/S.java written")


def install(build, source, work):
    dest = os.path.join(work, "dest")
    env = dict(os.environ, DESTDIR=dest)
    run(["cmake", "--install", build, "--prefix", "/usr"], env=env)
    for path in ("usr/bin/quorvex", "usr/libexec/quorvex/quorvex-cpp", "usr/share/man/man1/quorvex.1",
                 RUNTIME_JAR):
        if not os.path.exists(os.path.join(dest, path)):
            fail(f"not installed: {path}")
    check_maven_repo(build, dest)
    check_jar(os.path.join(dest, RUNTIME_JAR))
    check_runtime_docs(build, dest)
    # Moved elsewhere, the tree still finds its own wrapper.
    moved = os.path.join(work, "moved")
    shutil.move(dest, moved)
    check_runs(os.path.join(moved, "usr/bin/quorvex"), work,
               os.path.join(moved, "usr/bin/../libexec/quorvex/quorvex-cpp"))


def check_maven_repo(build, dest):
    """The Maven artifacts the build made are in share/maven-repo in Debian's
    layout: under their version and under "debian", a POM and a link to the
    jar in share/java, which the link reaches also when the tree is moved."""
    artifacts = [a for a in ("quorvex-maven-plugin", "quorvex-runtime")
                 if os.path.isdir(os.path.join(build, "maven-repo/org/quorvex", a))]
    for artifact in artifacts:
        base = os.path.join(dest, "usr/share/maven-repo/org/quorvex", artifact)
        versions = sorted(os.listdir(base)) if os.path.isdir(base) else []
        if len(versions) != 2 or "debian" not in versions:
            fail(f"{artifact}: expected its version and debian under {base}, found {versions}")
        for version in versions:
            jar = os.path.join(base, version, f"{artifact}-{version}.jar")
            pom = os.path.join(base, version, f"{artifact}-{version}.pom")
            if not os.path.islink(jar) or os.path.isabs(os.readlink(jar)):
                fail(f"not a relative link: {jar}")
            if os.path.realpath(jar) != os.path.realpath(os.path.join(dest, "usr/share/java", artifact + ".jar")):
                fail(f"{jar} does not lead to share/java/{artifact}.jar")
            text = open(pom).read()
            if f"<artifactId>{artifact}</artifactId>" not in text or f"<version>{version}</version>" not in text:
                fail(f"{pom} does not name {artifact} {version}")


def check_runtime_docs(build, dest):
    """The runtime's README under share/doc; its sources and Javadoc jars
    beside it in share/maven-repo, the Javadoc covering the classes a user
    touches."""
    import zipfile
    if not os.path.isfile(os.path.join(dest, "usr/share/doc/quorvex/runtime/README.md")):
        fail("not installed: usr/share/doc/quorvex/runtime/README.md")
    if not os.path.isdir(os.path.join(build, "maven-repo/org/quorvex/quorvex-runtime")):
        return
    base = os.path.join(dest, "usr/share/maven-repo/org/quorvex/quorvex-runtime")
    for version in os.listdir(base):
        wanted = {"sources": ["org/omg/CORBA/ORB.java", "vemo/harl/orb/FullORB.java"],
                  "javadoc": ["index.html", "org/omg/CORBA/ORB.html", "org/omg/CORBA/Any.html",
                              "org/omg/CORBA/TypeCode.html", "org/omg/CORBA/SystemException.html",
                              "vemo/harl/orb/Settings.html"]}
        for classifier, names in wanted.items():
            jar = os.path.join(base, version, f"quorvex-runtime-{version}-{classifier}.jar")
            if not os.path.isfile(jar):
                fail(f"not installed: {jar}")
            with zipfile.ZipFile(jar) as z:
                missing = set(names) - set(z.namelist())
            if missing:
                fail(f"{jar} lacks {sorted(missing)}")


def manpage(build, source, work):
    page = os.path.join(source, "doc", "quorvex.1")
    proc = subprocess.run(["groff", "-man", "-ww", "-z", page], capture_output=True, text=True)
    if proc.returncode != 0 or proc.stderr:
        fail(f"groff warns:\n{proc.stderr}")
    text = open(page).read().replace("\\-", "-")
    listing = run([os.path.join(build, "quorvex"), "-flist-flags"]).stdout
    for flag in re.findall(r"^\s+-f([a-z0-9-]+)", listing, re.M):
        if not re.search(r"^\.B " + re.escape(flag) + "$", text, re.M):
            fail(f"flag {flag} is not described under FLAGS")
    for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "FLAGS", "ENVIRONMENT", "FILES",
                    "EXIT STATUS", "DIAGNOSTICS", "EXAMPLES"):
        if f".SH {section}\n" not in text:
            fail(f"no section {section}")


def package(build, source, work):
    run(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", work])
    debs = glob.glob(os.path.join(work, "*.deb"))
    if len(debs) != 1:
        fail(f"expected one package, found {debs}")
    info = run(["dpkg-deb", "-I", debs[0]]).stdout
    if not re.search(r"^ Depends: .*\bcpp\b", info, re.M):
        fail(f"the package does not depend on cpp:\n{info}")
    root = os.path.join(work, "root")
    run(["dpkg-deb", "-x", debs[0], root])
    if not os.path.exists(os.path.join(root, RUNTIME_JAR)):
        fail(f"the package does not hold {RUNTIME_JAR}")
    check_jar(os.path.join(root, RUNTIME_JAR))
    check_runs(os.path.join(root, "usr/bin/quorvex"), work,
               os.path.join(root, "usr/bin/../libexec/quorvex/quorvex-cpp"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", required=True)
    ap.add_argument("--source", required=True)
    ap.add_argument("case", choices=["install", "manpage", "package"])
    opts = ap.parse_args()
    with tempfile.TemporaryDirectory(prefix="quorvex-install-") as work:
        globals()[opts.case](os.path.abspath(opts.build), os.path.abspath(opts.source), work)
    print("ok")


if __name__ == "__main__":
    main()
