// One IDL input file and the table of all files read.
// (Interim form: the parser and the tree arrive with the IDL reader.)
#ifndef QUORVEX_AST_CONFILE_H
#define QUORVEX_AST_CONFILE_H

#include <ctime>

#include "File.h"
#include "fileinfo.h"
#include "tbl.h"

class Reader;
class EnvFile;

class ConFile {
public:
    ConFile(FileInfo& info, File& file, Reader& reader, EnvFile& envfile);
    const FileInfo& get_info() const { return info; }
    const String& get_name() const { return info.get_full_name(); }
    time_t get_last_mod_time() const { return info.get_mtime(); }
    void resolve_names() {}
    void final_check() {}

private:
    FileInfo& info;
};

class ConFileTbl : public Tbl<FileInfo, ConFile> {
public:
    void check_new_files() {}
};

#endif
