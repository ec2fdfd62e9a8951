#!/usr/bin/env python3
"""Builds examples/maven offline with Maven, from an empty local repository,
with Debian's packaged repository and the build tree's Maven repository
(quorvex-maven-plugin, quorvex-runtime) as the only sources:

1. a full build with the example's test, which calls the bank server over IIOP,
   and the test again over TLS (-Dquorvex.tls=true);
   quorvex:help shows the goal's parameters with their descriptions;
2. again with nothing changed: the plugin runs no quorvex, the Java compiler
   compiles nothing, no class file or generated file changes;
3. after touching money.idl, which bank.idl includes: quorvex runs for both;
   after touching bank.idl: for bank.idl only;
4. a changed configuration recompiles everything and removes the files that
   are no longer generated;
5. quorvex's warnings and errors reach Maven's log with file and line, and an
   error fails the build.

    run_maven.py --quorvex Q --source DIR --repo BUILD/maven-repo --version V --mvn MVN
                 [--runtime-jar JAR]

--runtime-jar puts JAR into a copy of the repository as quorvex-runtime, to
try a runtime jar that this build tree did not make.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile


def fail(text, output=""):
    print(f"FAIL: {text}")
    if output:
        print(output[-12000:])
    sys.exit(1)


class Project:
    def __init__(self, opts, work, repo):
        self.opts = opts
        self.dir = os.path.join(work, "project")
        shutil.copytree(os.path.join(opts.source, "examples/maven"), self.dir)
        self.idl = os.path.join(self.dir, "src/main/idl")
        self.base = [opts.mvn, "-B", "-s", os.path.join(self.dir, "settings.xml"),
                     "-Dmaven.repo.local=" + os.path.join(work, "m2"),
                     "-Dquorvex.repo=" + repo,
                     "-Dquorvex.version=" + opts.version,
                     "-Dquorvex.executable=" + os.path.abspath(opts.quorvex)]

    def mvn(self, *args, ok=True):
        proc = subprocess.run(self.base + list(args), cwd=self.dir, capture_output=True, text=True)
        out = proc.stdout + proc.stderr
        if ok and proc.returncode != 0:
            fail(f"mvn {' '.join(args)} failed ({proc.returncode})", out)
        if not ok and proc.returncode == 0:
            fail(f"mvn {' '.join(args)} succeeded but should have failed", out)
        return out

    def compiled_idl(self, out):
        """The IDL files the plugin ran quorvex for, as it logs them."""
        return sorted(re.findall(r"^\[INFO\] quorvex: (\S+\.idl)$", out, re.M))

    def times(self, sub):
        root = os.path.join(self.dir, sub)
        found = {}
        for d, _, files in os.walk(root):
            for f in files:
                p = os.path.join(d, f)
                found[os.path.relpath(p, root)] = os.stat(p).st_mtime_ns
        return found

    def touch(self, name):
        path = os.path.join(self.idl, name)
        st = os.stat(path)
        os.utime(path, ns=(st.st_atime_ns, st.st_mtime_ns + 2_000_000_000))


def expect_compiled(project, out, names, step):
    got = project.compiled_idl(out)
    if got != sorted(names):
        fail(f"{step}: quorvex ran for {got}, expected {sorted(names)}", out)


def keeps_unchanged_files(quorvex):
    """Whether this quorvex leaves a file alone when its text is unchanged."""
    listing = subprocess.run([quorvex, "-flist-flags"], capture_output=True, text=True)
    return "keep-unchanged" in listing.stdout + listing.stderr


def repository(opts, work):
    if not opts.runtime_jar:
        return os.path.abspath(opts.repo)
    repo = os.path.join(work, "repo")
    shutil.copytree(opts.repo, repo)
    target = os.path.join(repo, "org/quorvex/quorvex-runtime", opts.version)
    os.makedirs(target, exist_ok=True)
    shutil.copy(opts.runtime_jar, os.path.join(target, f"quorvex-runtime-{opts.version}.jar"))
    with open(os.path.join(target, f"quorvex-runtime-{opts.version}.pom"), "w") as f:
        f.write(f"""<project><modelVersion>4.0.0</modelVersion><groupId>org.quorvex</groupId>
<artifactId>quorvex-runtime</artifactId><version>{opts.version}</version></project>
""")
    return repo


def main():
    ap = argparse.ArgumentParser()
    for name in ("quorvex", "source", "repo", "version", "mvn"):
        ap.add_argument("--" + name, required=True)
    ap.add_argument("--runtime-jar")
    opts = ap.parse_args()
    for artifact in ("quorvex-maven-plugin", "quorvex-runtime"):
        path = os.path.join(opts.repo, "org/quorvex", artifact, opts.version, f"{artifact}-{opts.version}.jar")
        if not os.path.exists(path) and not (artifact == "quorvex-runtime" and opts.runtime_jar):
            fail(f"not in the build tree's Maven repository: {path}")

    with tempfile.TemporaryDirectory(prefix="quorvex-maven-") as work:
        p = Project(opts, work, repository(opts, work))

        # 1. From an empty local repository: generate, compile, test.
        out = p.mvn("test")
        expect_compiled(p, out, ["bank.idl", "money.idl"], "first build")
        if not re.search(r"quorvex: compiling 2 of 2 IDL files", out):
            fail("first build: the plugin did not say what it compiles", out)
        if not re.search(r"Tests run: 3, Failures: 0, Errors: 0, Skipped: 0", out):
            fail("first build: the bank test did not run and pass", out)
        for cls in ("example/BankServer.class", "Bank/_AccountStub.class", "Bank/_BranchImplBase.class",
                    "Cash/MoneyHolder.class"):
            if not os.path.exists(os.path.join(p.dir, "target/classes", cls)):
                fail(f"not compiled: {cls}", out)
        if "generated-sources/idl" not in "".join(open(os.path.join(d, f)).read()
                                                  for d, _, fs in os.walk(os.path.join(p.dir, "target"))
                                                  for f in fs if f == "inputFiles.lst"):
            fail("the generated sources were not a compile source root", out)
        # The same test over TLS (-Dquorvex.tls=true), nothing recompiled.
        out = p.mvn("surefire:test", "-Dquorvex.tls=true")
        if not re.search(r"Tests run: 3, Failures: 0, Errors: 0, Skipped: 0", out) or "over TLS, keys in" not in out:
            fail("the bank test over TLS did not run and pass", out)

        # The goal's parameters are described in the plugin descriptor.
        out = p.mvn("quorvex:help", "-Ddetail", "-Dgoal=generate")
        for text in ("quorvex:generate", "includeDirectories", "Directories searched for included IDL files",
                     "User property: quorvex.executable", "SOURCE_DATE_EPOCH"):
            if text not in out:
                fail(f"quorvex:help does not show {text!r}", out)

        # 2. Nothing changed: no quorvex run, nothing compiled, nothing touched.
        classes, generated = p.times("target/classes"), p.times("target/generated-sources/idl")
        out = p.mvn("compile")
        expect_compiled(p, out, [], "unchanged rebuild")
        if "quorvex: nothing stale, 2 IDL files up to date" not in out:
            fail("unchanged rebuild: the plugin did not say that nothing is stale", out)
        if "Nothing to compile" not in out:
            fail("unchanged rebuild: the Java compiler compiled something", out)
        if p.times("target/classes") != classes or p.times("target/generated-sources/idl") != generated:
            fail("unchanged rebuild: class files or generated files changed", out)

        # 3. An included file changed: the files that include it run again.
        p.touch("money.idl")
        out = p.mvn("compile")
        expect_compiled(p, out, ["bank.idl", "money.idl"], "after touching money.idl")
        if keeps_unchanged_files(opts.quorvex):
            # The Date line is the project's fixed outputTimestamp, so the
            # text is the same, the files stay, and javac has nothing to do.
            if p.times("target/generated-sources/idl") != generated:
                fail("after touching money.idl: unchanged generated files were rewritten", out)
            if "Nothing to compile" not in out:
                fail("after touching money.idl: the Java compiler compiled unchanged files", out)
        p.touch("bank.idl")
        out = p.mvn("compile")
        expect_compiled(p, out, ["bank.idl"], "after touching bank.idl")

        # 4. Another configuration: everything again, and no stale skeleton.
        out = p.mvn("generate-sources", "-Dquorvex.server=false")
        expect_compiled(p, out, ["bank.idl", "money.idl"], "server side off")
        if "(configuration changed)" not in out:
            fail("server side off: the plugin did not say the configuration changed", out)
        skeleton = os.path.join(p.dir, "target/generated-sources/idl/Bank/_BranchImplBase.java")
        if os.path.exists(skeleton):
            fail("server side off: the skeleton of the earlier build is still there", out)
        out = p.mvn("compile")
        expect_compiled(p, out, ["bank.idl", "money.idl"], "server side on again")
        if not os.path.exists(skeleton):
            fail("server side on again: no skeleton", out)

        # 5. Diagnostics: a warning keeps the build going, an error stops it.
        bank = os.path.join(p.idl, "bank.idl")
        text = open(bank).read()
        warned = text.replace("raises (InsufficientFunds);", "raises (InsufficientFunds, InsufficientFunds);")
        if warned == text:
            fail("no raises clause to double in bank.idl")
        open(bank, "w").write(warned)
        line = warned[:warned.index("InsufficientFunds, InsufficientFunds")].count("\n") + 1
        out = p.mvn("generate-sources")
        if not re.search(rf"^\[WARNING\] {re.escape(bank)}:{line}: exception specified twice", out, re.M):
            fail(f"the warning at {bank}:{line} is not in Maven's log", out)
        open(bank, "w").write(text.replace("interface Branch {", "interface Branch {\n    oops;"))
        line = text[:text.index("interface Branch {")].count("\n") + 2
        out = p.mvn("generate-sources", ok=False)
        if not re.search(rf"^\[ERROR\] {re.escape(bank)}:{line}: ", out, re.M):
            fail(f"the error at {bank}:{line} is not in Maven's log", out)
        if "quorvex: errors in bank.idl" not in out or "BUILD FAILURE" not in out:
            fail("the error did not fail the build", out)
        # Still stale after the failure: fixed, it compiles again.
        open(bank, "w").write(text)
        out = p.mvn("generate-sources")
        expect_compiled(p, out, ["bank.idl"], "after the fix")
    print("ok")


if __name__ == "__main__":
    main()
