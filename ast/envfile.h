// An environment file and the table of them.
// (Interim form: the environment-file language arrives later.)
#ifndef QUORVEX_AST_ENVFILE_H
#define QUORVEX_AST_ENVFILE_H

#include "File.h"
#include "fileinfo.h"
#include "tbl.h"

class Reader;

class EnvFile {
public:
    EnvFile() = default;  // the empty stand-in used without -e
    EnvFile(FileInfo& info, File& file, Reader& reader);
    const FileInfo& get_info() const { return *info; }

private:
    FileInfo* info = nullptr;
};

class EnvFileTbl : public Tbl<FileInfo, EnvFile> {};

#endif
