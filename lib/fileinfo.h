// The identity of a file: its names, and the device and inode by which two
// spellings of one path are the same file.
#ifndef QUORVEX_AST_FILEINFO_H
#define QUORVEX_AST_FILEINFO_H

#include <sys/types.h>

#include <ctime>

#include "lib/String.h"
#include "lib/tbl.h"

class FileInfo {
public:
    FileInfo() = default;
    // Joins dir and name with "/" (the name alone when dir is empty),
    // simplifies "." and ".." components, then looks the file up.
    FileInfo(const String& dir, const String& name);

    bool is_null() const { return !exists; }
    const String& get_full_name() const { return full_name; }
    const String& get_subdir() const { return subdir; }
    const String& get_base_name() const { return base_name; }
    const String& get_extension() const { return extension; }
    dev_t get_dev() const { return dev; }
    ino_t get_ino() const { return ino; }
    time_t get_mtime() const { return mtime; }

    // Equal when both device and inode are non-zero and equal; informs when
    // equal files differ in modification time or name.
    bool operator==(const FileInfo& other) const;

    static String simplify(const String& path);

private:
    String full_name, subdir, base_name, extension;
    dev_t dev = 0;
    ino_t ino = 0;
    time_t mtime = 0;
    bool exists = false;
};

template <>
struct TblKey<FileInfo> {
    static bool equal(const FileInfo& a, const FileInfo& b) { return a == b; }
    static size_t hash(const FileInfo& f) {
        return std::hash<unsigned long long>()(static_cast<unsigned long long>(f.get_dev()) * 1000003ULL ^
                                               static_cast<unsigned long long>(f.get_ino()));
    }
};

#endif
