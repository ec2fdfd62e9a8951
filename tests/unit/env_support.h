// Environment files in unit tests: files written to a fresh temporary
// directory and read through a Reader of their own, without the
// preprocessor; IDL text parsed with a given environment file.
#ifndef QUORVEX_TESTS_ENV_SUPPORT_H
#define QUORVEX_TESTS_ENV_SUPPORT_H

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "ast/input/conparse.h"
#include "ast/input/reader.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "idlgen/driver/Dependent.h"
#include "lib/File.h"
#include "lib/flag.h"

namespace env_support {

class EnvDir {
public:
    EnvDir() {
        Flag::set("no-cpp");
        char path[] = "/tmp/quorvex_env_XXXXXX";
        if (!mkdtemp(path)) std::abort();
        dir = path;
        reader = new Reader(*new ConFileTbl, *new EnvFileTbl, *new Dependent);
    }

    // Writes `text` as the file `name` (which may name a subdirectory that
    // exists) under the directory.
    void write(const std::string& name, const std::string& text) const {
        std::ofstream out(dir + "/" + name);
        out << text;
    }
    void mkdir(const std::string& name) const { ::mkdir((dir + "/" + name).c_str(), 0777); }

    EnvFile& read(const std::string& name) const { return reader->import_env(dir.c_str(), "", name.c_str(), 0); }

    std::string dir;
    Reader* reader;
};

// A name made of the given components.
inline ScopedName& name(std::initializer_list<const char*> parts, int global = 0) {
    ScopedName* n = nullptr;
    for (const char* p : parts) {
        Id& id = *new Id(p, SrcLoc());
        if (!n)
            n = new ScopedName(global, id);
        else
            n->append(id);
    }
    return *n;
}

// The value of the attribute found, "(none)" when none was.
inline std::string value(const EnvAttr* attr) { return attr ? attr->get_value().chars() : "(none)"; }

// Parses IDL text as the file "t.idl" with `env` as its environment file,
// and returns its declarations (the predefined ones first).
inline DeclList& parse_idl(const std::string& text, EnvFile& env, Reader& reader) {
    char path[] = "/tmp/quorvex_envidl_XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) std::abort();
    if (!text.empty() && ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
    lseek(fd, 0, SEEK_SET);
    unlink(path);
    File file(fd, io_read);
    DefinitionList* defs = parse_contract_file(file, "t.idl", reader, env);
    file.finish();
    if (!defs) std::abort();
    return *defs->getDeclList();
}

}  // namespace env_support

#endif
