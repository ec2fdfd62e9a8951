// The Java files of one run: JavaFiles knows the output root and every path
// written, and is the one place that puts a file on disk; JavaText is the
// text of one Java source file, collected in memory by its generator.
// JavaFiles::write makes the package directories, adds the standard header
// comment and puts the whole file in place (lib/OutFile.h): written whole
// or not at all, and left untouched when it already holds that text.
#ifndef QUORVEX_IDLGEN_JAVAFILES_H
#define QUORVEX_IDLGEN_JAVAFILES_H

#include <ctime>
#include <ostream>
#include <streambuf>
#include <string>
#include <unordered_set>

#include "lib/String.h"
#include "lib/dllist.h"

class ConFile;
class JavaName;

// A stream buffer that collects text in one string, reused from one file to
// the next, so that a run does not allocate and fault in a fresh buffer for
// every file it writes.
class JavaTextBuffer : public std::streambuf {
public:
    explicit JavaTextBuffer(std::string& storage);
    const char* data() const { return pbase(); }
    size_t size() const { return static_cast<size_t>(pptr() - pbase()); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

private:
    // Makes room for `more` characters after those written.
    void reserve(size_t more);
    std::string& storage;
};

// The text of the file of one class, after the header comment.  Names
// printed into it are seen from inside the class's package, and the imports
// they ask for are spliced in after the package statement when the text is
// taken.  Only one JavaText is open at a time.
class JavaText : private JavaTextBuffer, public std::ostream {
public:
    explicit JavaText(const JavaName& className);
    JavaText(const JavaText&) = delete;
    JavaText& operator=(const JavaText&) = delete;
    // Forgets the imports asked for when the text was never taken.
    ~JavaText() override;

    // "package " [package] ";\n" for a packaged class name, else nothing.
    void printPackage(const JavaName& className);

    // Appends the finished text, imports in place, to `out`.  Ends the text.
    // False, with `problem` set and nothing appended, when a name printed
    // into the text cannot be reached from the class (JavaShadowing).
    bool takeInto(std::string& out, std::string& problem);

private:
    bool taken = false;
    // Where imports go: just after the package statement.
    size_t importAt = std::string::npos;
};

class JavaFiles {
public:
    explicit JavaFiles(const String& directory) : directory(directory) {}

    const String& getDirectory() const { return directory; }

    // Puts the file of the class `name`, the header comment naming the IDL
    // file `source` followed by `text`, below the root, making the package
    // directories.  `who` starts every message; `verbose` reports the file
    // as written or unchanged.  False after a message when it failed.
    bool write(const JavaName& name, const ConFile& source, int verbose, const char* who, JavaText& text);

    // Records a path written; every path written or found unchanged is
    // recorded, in the order written.
    void add(const String& path) { files.append(*new String(path)); }
    const StringList& getFiles() const { return files; }
    int getUnchangedCount() const { return unchangedCount; }

    // Writes every recorded path, in order, one to a line, to `listFile`.
    void flush(const String& listFile) const;

    // The directory of `package` below `root`, made (outermost first) where
    // missing.  Throws Nope after reporting a failure.
    static String preparePackage(const String& root, const JavaName& package, const char* who);
    struct Nope {};

    // Reads SOURCE_DATE_EPOCH.  False after an error when it is set but is
    // not a number of seconds.
    static bool readSourceDateEpoch();

private:
    String directory;
    StringList files;
    int unchangedCount = 0;
};

#endif
