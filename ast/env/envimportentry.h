// An import entry: the name of another environment file, read when the
// importing file first needs it.
#ifndef QUORVEX_AST_ENVIMPORTENTRY_H
#define QUORVEX_AST_ENVIMPORTENTRY_H

#include "ast/env/enventry.h"
#include "lib/srcloc.h"
#include "lib/String.h"

class EnvFile;

class EnvImportEntry : public EnvEntry {
public:
    EnvImportEntry(const String& file_name, const SrcLoc& loc) : file_name(file_name), loc(loc) {}

    bool is_importEntry() const override { return true; }

    const String& get_file_name() const { return file_name; }
    const SrcLoc& get_loc() const { return loc; }

    // The imported file, read on first use: found beside `importer`, else
    // in the -I directories.  Reading is tried once; a file that cannot be
    // read gives null.
    EnvFile* get_file(const EnvFile& importer);
    // Reports, once, that the file could not be read.
    void report_unreadable();

    static EnvImportEntry& narrow(EnvEntry& e) { return static_cast<EnvImportEntry&>(e); }

private:
    String file_name;
    SrcLoc loc;
    EnvFile* file = nullptr;
    bool tried = false;
    bool reported = false;
};

#endif
