#include "idlgen/java/core/JavaFiles.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "ast/input/confile.h"
#include "ast/input/msg.h"
#include "idlgen/driver/processcmd.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/core/JavaTemplate.h"

void JavaFiles::flush(const String& listFile) const {
    std::ofstream out(listFile.chars(), std::ios::out | std::ios::trunc);
    if (!out.good()) {
        msg::ioerror("Cannot open file `%s'", listFile.chars());
        return;
    }
    for (DLListIter<String> it(files); it; it.next())
        if (!failed.count(it.entry().chars())) out << it.entry() << "\n";
    errno = 0;
    out.close();
    if (out.fail()) {
        if (errno == 0) errno = EIO;
        msg::ioerror("cannot write file `%s'", listFile.chars());
    }
}

JavaStream::JavaStream(JavaFiles& files, const String& path, const char* who)
    : std::ofstream(path.chars(), std::ios::out | std::ios::trunc), files(files), path(path), who(who) {}

String JavaStream::preparePackage(const String& root, const JavaName& package, const char* who) {
    String base = package.isPackaged() ? preparePackage(root, package.package(), who) : root;
    String path = base + "/" + package.item();
    struct stat st;
    if (stat(path.chars(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return path;
        // The message ends with the system's text for the last error.
        errno = ENOTDIR;
        msg::ioerror("%s: `%s' is not a directory for package `%s'", who, path.chars(),
                     package.toString().chars());
        throw Nope();
    }
    // Another compiler writing into the same root may create the directory
    // between the test above and this call; that is not an error.
    if (mkdir(path.chars(), 0777) != 0 && !(errno == EEXIST && stat(path.chars(), &st) == 0 && S_ISDIR(st.st_mode))) {
        msg::ioerror("%s: cannot create `%s'", who, path.chars());
        throw Nope();
    }
    return path;
}

// The header comment; the date line takes its newline from ctime's text.
static const char* const header =
    "/*\n"
    " * File: ${path}\n"
    " * From: ${source}\n"
    " * Date: ${date}"
    " *   By: ${program} ${product} ${stamp}\n"
    " */\n"
    "\n";

JavaStream* JavaStream::open(JavaFiles& files, const JavaName& name, const ConFile& source, int verbose,
                             const char* who) {
    String directory = files.getDirectory();
    try {
        if (name.isPackaged()) directory = preparePackage(directory, name.package(), who);
    } catch (Nope&) {
        return nullptr;
    }
    String path = directory + "/" + name.item() + ".java";
    if (verbose) msg::inform("%s: writing file `%s'", who, path.chars());
    JavaStream* stream = new JavaStream(files, path, who);
    if (!stream->good()) {
        msg::ioerror("%s: cannot open file `%s'", who, path.chars());
        delete stream;
        return nullptr;
    }
    files.add(path);
    // Names are printed as seen from inside the class's package.
    JavaName::setPrintPackage(name.isPackaged() ? &name.package() : nullptr);
    time_t modified = source.get_last_mod_time();
    JavaTemplate(header)
        .set("path", path)
        .set("source", source.get_name())
        .set("date", std::ctime(&modified))
        .set("program", progname)
        .set("product", version)
        .set("stamp", timestamp)
        .print(*stream);
    return stream;
}

// Closing flushes what is still buffered; a file whose writing failed at any
// point (disk full, file-size limit) is reported and removed, so that no
// truncated file is left looking like output.
JavaStream::~JavaStream() {
    JavaName::setPrintPackage(nullptr);
    errno = 0;
    close();
    if (fail()) {
        if (errno == 0) errno = EIO;
        msg::ioerror("%s: cannot write file `%s'", who.chars(), path.chars());
        unlink(path.chars());
        files.markFailed(path);
    }
}

void JavaStream::printPackage(const JavaName& className) {
    if (className.isPackaged()) *this << "package " << className.package() << ";\n";
}
