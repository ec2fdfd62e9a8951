#!/usr/bin/env python3
"""A Maven project of a user's own, outside the source tree, built offline
(`mvn -o`) from the artifacts `make install-maven` puts into the local
repository, with the README's pom.xml as it stands (two executions of the
plugin: src/main/idl both sides, CosNaming.idl client side):

1. the local repository holds what Maven expects of installed artifacts,
   and `mvn quorvex:help` resolves the goal prefix outside a project;
2. the first build generates, compiles and packages both executions' files;
3. a second build, and one after touching every IDL file, run no quorvex and
   compile nothing, and no generated or class file changes;
4. a copy of the project in another directory, at another depth, generates
   byte-identical Java, whose headers hold no absolute path;
5. a declaration removed from an IDL file leaves neither its Java file nor
   its classes behind, and the other execution's files stay.

Maven's own plugins come from Debian's packaged repository, standing in
for the network (offline mode is allowed file:// repositories).

    run_maven_project.py --quorvex Q --source DIR --install-script BUILD/maven-plugin/install-maven.cmake
                         --version V --mvn MVN --cmake CMAKE --naming-idl CosNaming.idl
"""
import argparse
import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile

TYPES_IDL = """// The types of the store.
module KV {
    typedef sequence<octet> Bytes;
    struct Entry { string key; Bytes value; };
    typedef sequence<Entry> Entries;
    exception NotFound { string key; };
    struct Retired { long since; };
};
"""

STORE_IDL = """#include "types.idl"

module Service {
    interface Store {
        void put(in string key, in KV::Bytes value);
        KV::Bytes get(in string key) raises (KV::NotFound);
        KV::Entries all();
    };
};
"""

MAIN_JAVA = """package kv;

import CosNaming.NameComponent;
import CosNaming.NamingContext;
import CosNaming.NamingContextHelper;

/** Names a store in the naming service: both executions' classes in one program. */
public final class Register {
    private Register() { }

    public static void main(String[] args) throws Exception {
        org.omg.CORBA.ORB orb = org.omg.CORBA.ORB.init(args, null);
        NamingContext root = NamingContextHelper.narrow(orb.resolve_initial_references("NameService"));
        Service.Store store = Service.StoreHelper.narrow(orb.string_to_object(args[0]));
        root.rebind(new NameComponent[] { new NameComponent("store", "") }, store);
        KV.Entry e = new KV.Entry("k", new byte[0]);
        System.out.println(e.key);
    }
}
"""

SETTINGS = """<settings>
  <localRepository>{m2}</localRepository>
  <mirrors>
    <mirror>
      <id>debian</id>
      <mirrorOf>*</mirrorOf>
      <url>file:///usr/share/maven-repo</url>
    </mirror>
  </mirrors>
  <profiles>
    <profile>
      <id>debian</id>
      <repositories>
        <repository>
          <id>central</id>
          <url>file:///usr/share/maven-repo</url>
          <releases><checksumPolicy>ignore</checksumPolicy></releases>
          <snapshots><enabled>false</enabled></snapshots>
        </repository>
      </repositories>
      <pluginRepositories>
        <pluginRepository>
          <id>central</id>
          <url>file:///usr/share/maven-repo</url>
          <releases><checksumPolicy>ignore</checksumPolicy></releases>
          <snapshots><enabled>false</enabled></snapshots>
        </pluginRepository>
      </pluginRepositories>
    </profile>
  </profiles>
  <activeProfiles>
    <activeProfile>debian</activeProfile>
  </activeProfiles>
  <pluginGroups>
    <pluginGroup>org.quorvex</pluginGroup>
  </pluginGroups>
</settings>
"""


def fail(text, output=""):
    print(f"FAIL: {text}")
    if output:
        print(output[-12000:])
    sys.exit(1)


def readme_pom(source):
    """The complete pom.xml of the README's "Use it in your project"."""
    text = open(os.path.join(source, "README.md")).read()
    section = text.find("### Use it in your project")
    if section < 0:
        fail("the README has no section \"Use it in your project\"")
    m = re.compile(r"```xml\n(.*?)```", re.S).search(text, section)
    if not m or "<project" not in m.group(1):
        fail("the README's \"Use it in your project\" shows no complete pom.xml")
    return m.group(1)


def check_local_repository(m2, version):
    """What `mvn install` would have left: POMs, jars, tracking, metadata."""
    group = os.path.join(m2, "org/quorvex")
    want = {"quorvex-runtime": ["jar", "pom", "sources.jar", "javadoc.jar"],
            "quorvex-maven-plugin": ["jar", "pom"]}
    for artifact, kinds in want.items():
        base = os.path.join(group, artifact, version)
        for kind in kinds:
            name = f"{artifact}-{version}" + ("." + kind if "." not in kind else "-" + kind)
            for suffix in ("", ".sha1"):
                if not os.path.isfile(os.path.join(base, name + suffix)):
                    fail(f"not in the local repository: {os.path.join(base, name + suffix)}")
        tracked = open(os.path.join(base, "_remote.repositories")).read()
        if f"{artifact}-{version}.jar>=" not in tracked:
            fail(f"{artifact} is not recorded as installed locally:\n{tracked}")
        if f"<version>{version}</version>" not in open(os.path.join(group, artifact,
                                                                    "maven-metadata-local.xml")).read():
            fail(f"{artifact}: no version metadata")
    prefix = open(os.path.join(group, "maven-metadata-local.xml")).read()
    if "<prefix>quorvex</prefix>" not in prefix:
        fail(f"no goal prefix in the group metadata:\n{prefix}")


class Project:
    def __init__(self, opts, directory, settings, pom, naming_idl):
        self.opts = opts
        self.dir = directory
        self.settings = settings
        for rel, text in (("pom.xml", pom), ("src/main/idl/types.idl", TYPES_IDL),
                          ("src/main/idl/store.idl", STORE_IDL), ("src/main/java/kv/Register.java", MAIN_JAVA)):
            os.makedirs(os.path.dirname(os.path.join(directory, rel)), exist_ok=True)
            with open(os.path.join(directory, rel), "w") as f:
                f.write(text)
        os.makedirs(os.path.join(directory, "src/main/naming"))
        shutil.copy(naming_idl, os.path.join(directory, "src/main/naming/CosNaming.idl"))

    def mvn(self, *args):
        cmd = [self.opts.mvn, "-B", "-o", "-s", self.settings, "-Daether.offline.protocols=file",
               "-Dquorvex.executable=" + os.path.abspath(self.opts.quorvex)] + list(args)
        proc = subprocess.run(cmd, cwd=self.dir, capture_output=True, text=True)
        out = proc.stdout + proc.stderr
        if proc.returncode != 0:
            fail(f"mvn {' '.join(args)} in {self.dir} failed ({proc.returncode})", out)
        return out

    def tree(self, sub):
        """Each file below SUB with its modification time."""
        root = os.path.join(self.dir, sub)
        found = {}
        for d, _, files in os.walk(root):
            for f in files:
                p = os.path.join(d, f)
                found[os.path.relpath(p, root)] = os.stat(p).st_mtime_ns
        return found


def compiled_idl(out):
    return sorted(re.findall(r"^\[INFO\] quorvex: (\S+\.idl)$", out, re.M))


def main():
    ap = argparse.ArgumentParser()
    for name in ("quorvex", "source", "install-script", "version", "mvn", "cmake", "naming-idl"):
        ap.add_argument("--" + name, required=True)
    opts = ap.parse_args()
    pom = readme_pom(opts.source)
    gen = "target/generated-sources/idl"

    with tempfile.TemporaryDirectory(prefix="quorvex-project-") as work:
        # 1. Installed the documented way: what `make install-maven` runs.
        m2 = os.path.join(work, "m2")
        proc = subprocess.run([opts.cmake, "-DREPO=" + m2, "-P", opts.install_script],
                              capture_output=True, text=True)
        if proc.returncode != 0:
            fail("install-maven failed", proc.stdout + proc.stderr)
        check_local_repository(m2, opts.version)
        settings = os.path.join(work, "settings.xml")
        with open(settings, "w") as f:
            f.write(SETTINGS.format(m2=m2))
        # The goal prefix resolves outside any project.
        proc = subprocess.run([opts.mvn, "-B", "-o", "-s", settings, "-Daether.offline.protocols=file",
                               "quorvex:help"], cwd=work, capture_output=True, text=True)
        if proc.returncode != 0 or "quorvex:generate" not in proc.stdout:
            fail("mvn quorvex:help outside a project failed", proc.stdout + proc.stderr)

        # 2. The first build: both executions, compiled and packaged.
        p = Project(opts, os.path.join(work, "kv"), settings, pom, opts.naming_idl)
        out = p.mvn("package")
        if compiled_idl(out) != ["CosNaming.idl", "store.idl", "types.idl"]:
            fail(f"first build: quorvex ran for {compiled_idl(out)}", out)
        if "removed" in out:
            fail("first build: one execution removed files", out)
        for cls in ("Service/_StoreStub.class", "Service/_StoreImplBase.class", "KV/Entry.class",
                    "CosNaming/_NamingContextStub.class", "kv/Register.class"):
            if not os.path.exists(os.path.join(p.dir, "target/classes", cls)):
                fail(f"not compiled: {cls}", out)
        if os.path.exists(os.path.join(p.dir, gen, "CosNaming/_NamingContextImplBase.java")):
            fail("the naming execution wrote the server side", out)
        for execution in ("idl", "naming"):
            if not os.path.isdir(os.path.join(p.dir, "target/quorvex-maven-plugin", execution)):
                fail(f"no records of the execution {execution}", out)

        # 3. Again, and after touching every IDL file: nothing runs, nothing changes.
        before = (p.tree(gen), p.tree("target/classes"))
        for step in ("unchanged", "touched"):
            if step == "touched":
                for d, _, files in os.walk(os.path.join(p.dir, "src/main")):
                    for f in files:
                        if f.endswith(".idl"):
                            st = os.stat(os.path.join(d, f))
                            os.utime(os.path.join(d, f), ns=(st.st_atime_ns, st.st_mtime_ns + 5_000_000_000))
            out = p.mvn("package")
            if compiled_idl(out) or out.count("quorvex: nothing stale") != 2:
                fail(f"{step} rebuild: quorvex ran for {compiled_idl(out)}", out)
            if "Nothing to compile" not in out or "removed" in out:
                fail(f"{step} rebuild: the Java compiler compiled something or files were removed", out)
            if (p.tree(gen), p.tree("target/classes")) != before:
                fail(f"{step} rebuild: generated or class files changed", out)

        # 4. A copy elsewhere generates the same bytes; no header names a place.
        copy = Project(opts, os.path.join(work, "elsewhere", "deeper", "kv-copy"), settings, pom, opts.naming_idl)
        out = copy.mvn("generate-sources")
        a, b = os.path.join(p.dir, gen), os.path.join(copy.dir, gen)
        files = sorted(p.tree(gen))
        if files != sorted(copy.tree(gen)):
            fail("the copy generated other files", out)
        match, mismatch, errors = filecmp.cmpfiles(a, b, files, shallow=False)
        if mismatch or errors:
            fail(f"the copy's Java differs: {(mismatch + errors)[:5]}")
        for f in files:
            text = open(os.path.join(a, f)).read()
            if work in text:
                fail(f"{f} names the project's place:\n{text[:300]}")
        header = open(os.path.join(a, "Service/_StoreStub.java")).read()
        if "\n * From: store.idl\n" not in header:
            fail(f"Service/_StoreStub.java: not from store.idl:\n{header[:300]}")

        # 5. A declaration removed: its files and classes go, the rest stays.
        types = os.path.join(p.dir, "src/main/idl/types.idl")
        with open(types, "w") as f:
            f.write(TYPES_IDL.replace("    struct Retired { long since; };\n", ""))
        out = p.mvn("package")
        if compiled_idl(out) != ["store.idl", "types.idl"]:
            fail(f"after removing Retired: quorvex ran for {compiled_idl(out)}", out)
        for gone in (gen + "/KV/Retired.java", gen + "/KV/RetiredHelper.java", "target/classes/KV/Retired.class",
                     "target/classes/KV/RetiredHolder.class"):
            if os.path.exists(os.path.join(p.dir, gone)):
                fail(f"after removing Retired: {gone} is still there", out)
        for kept in (gen + "/CosNaming/NamingContext.java", "target/classes/CosNaming/NamingContext.class",
                     "target/classes/KV/Entry.class"):
            if not os.path.exists(os.path.join(p.dir, kept)):
                fail(f"after removing Retired: {kept} is gone", out)
        listing = subprocess.run(["jar", "tf", os.path.join(p.dir, "target/kv-store-1.0.jar")],
                                 capture_output=True, text=True).stdout
        if "KV/Retired.class" in listing or "KV/Entry.class" not in listing:
            fail("after removing Retired: the jar's classes are wrong", listing)
    print("ok")


if __name__ == "__main__":
    main()
