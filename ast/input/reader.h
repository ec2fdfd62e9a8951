// Finds IDL and environment files, opens them (through the C preprocessor
// when the flag `cpp` is on), and keeps every file read in a table so that a
// file is read once however often it is named or imported.
#ifndef QUORVEX_AST_READER_H
#define QUORVEX_AST_READER_H

#include <vector>

#include "lib/fileinfo.h"
#include "lib/File.h"
#include "lib/String.h"

class ConFile;
class ConFileTbl;
class EnvFile;
class EnvFileTbl;
class InputFiles;

// Thrown when a file cannot be found or opened.  `reported`: the reader has
// already said why (the file was found but cannot be read), so the caller
// adds no "cannot find" message of its own.
struct bad_file {
    bool reported = false;
};

class Reader {
public:
    Reader(ConFileTbl& confiles, EnvFileTbl& envfiles, InputFiles& opened);

    // Appends a -I, -D or -U argument to the preprocessor options.
    void set_cpp_option(const char* arg);
    const std::vector<const char*>& get_cpp_options() const { return options; }

    void set_verbose(int v) { verbose = v; }
    int is_verbose() const { return verbose; }

    ConFile& read_con(EnvFile& env, const String& name);
    ConFile& import_con(EnvFile& env, const String& dir, const String& prefix, const String& name);
    EnvFile& read_env(const String& name);
    EnvFile& import_env(const String& dir, const String& prefix, const String& name, bool search);

    bool find_file(const String& dir, const String& prefix, const String& name, bool search,
                   FileInfo& info) const;
    // An open File on the named file (its preprocessed text under `cpp`), or
    // null after reporting why not.
    File* open_file(const String& fullname);

    ConFileTbl& get_confiles() { return confiles; }
    EnvFileTbl& get_envfiles() { return envfiles; }

private:
    ConFile& parse_new_con(EnvFile& env, const FileInfo& info, const String& name, const char* caller);

    ConFileTbl& confiles;
    EnvFileTbl& envfiles;
    InputFiles& opened;
    int verbose = 0;
    std::vector<const char*> options;  // no fixed limit
    int options_open = 1;
};

#endif
