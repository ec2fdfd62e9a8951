// One IDL input file, parsed into its definitions, and the table of all
// files read.  Constructing a ConFile parses the file; name resolution and
// the final checks run later, each once.
#ifndef QUORVEX_AST_CONFILE_H
#define QUORVEX_AST_CONFILE_H

#include <ctime>

#include "lib/fileinfo.h"
#include "lib/File.h"
#include "lib/tbl.h"

class DefinitionList;
class EnvFile;
class Reader;

class ConFile {
public:
    enum Resolution { too_soon_to_tell = 0, not_yet = 1, in_progress = 2, done = 3 };

    // Parses the open file (and waits for its preprocessor), then lets the
    // environment file annotate the new declarations.
    ConFile(FileInfo& info, File& file, Reader& reader, EnvFile& envfile);

    const FileInfo& get_info() const { return info; }
    const String& get_name() const { return info.get_full_name(); }
    time_t get_last_mod_time() const { return info.get_mtime(); }
    DefinitionList& get_definitions() const;
    Resolution get_resolution() const { return resolution; }
    bool is_checked() const { return checked; }

    // Resolves the names of the file's declarations in a file scope; a file
    // that is being or has been resolved is left alone.
    void resolve_names();
    // Runs the final checks of the file's declarations, the first time only.
    void final_check();

    static const char* resolution_word(int state);

private:
    FileInfo& info;
    DefinitionList* definitions = nullptr;
    Resolution resolution = not_yet;
    bool checked = false;
};

class ConFileTbl : public Tbl<FileInfo, ConFile> {
public:
    // Resolves the names of every file of the table, then, when no error
    // has been counted, runs the final checks of every file.
    void check_new_files();
};

#endif
