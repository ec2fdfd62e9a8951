// The Java files of one run: JavaFiles knows the output root and every path
// opened; JavaStream is one open Java source file, created below the
// directories of its class's package and begun with the standard header
// comment.  A JavaStream collects its whole text in memory and writes it
// with one system call when it ends.
#ifndef QUORVEX_IDLGEN_JAVAFILES_H
#define QUORVEX_IDLGEN_JAVAFILES_H

#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "lib/String.h"
#include "lib/dllist.h"

class ConFile;
class JavaName;

class JavaFiles {
public:
    explicit JavaFiles(const String& directory) : directory(directory) {}

    const String& getDirectory() const { return directory; }
    // Records a path opened for writing.
    void add(const String& path) { files.append(*new String(path)); }
    const StringList& getFiles() const { return files; }
    // Records a path whose writing failed; it is left out of the list.
    void markFailed(const String& path) { failed.insert(path.chars()); }
    // Writes every recorded path, in the order opened, one to a line.
    void flush(const String& listFile) const;

private:
    String directory;
    StringList files;
    std::unordered_set<std::string> failed;
};

class JavaStream : public std::ostringstream {
public:
    // Opens the file of the class `name` below the root of `files`, making
    // the package directories, and writes the header comment naming the IDL
    // file `source`.  `who` starts every message.  Null (after a message)
    // when the file cannot be created.
    static JavaStream* open(JavaFiles& files, const JavaName& name, const ConFile& source, int verbose,
                            const char* who);

    // The directory of `package` below `root`, made (outermost first) where
    // missing.  Throws Nope after reporting a failure.
    static String preparePackage(const String& root, const JavaName& package, const char* who);

    // "package " [package] ";\n" for a packaged class name, else nothing.
    void printPackage(const JavaName& className);

    // Ends the class's file: writes and closes it, and reports and removes
    // it when the write failed.
    ~JavaStream() override;

    struct Nope {};

private:
    JavaStream(JavaFiles& files, const String& path, const char* who, int fd);

    JavaFiles& files;
    String path;
    String who;
    int fd;
    // Where imports go: just after the package statement.
    std::streamoff importAt = -1;
};

#endif
