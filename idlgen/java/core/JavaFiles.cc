#include "idlgen/java/core/JavaFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>

#include "ast/input/confile.h"
#include "lib/msg.h"
#include "lib/version.h"
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

JavaStream::JavaStream(JavaFiles& files, const String& path, const char* who, int fd)
    : files(files), path(path), who(who), fd(fd) {}

String JavaStream::preparePackage(const String& root, const JavaName& package, const char* who) {
    String base = package.isPackaged() ? preparePackage(root, package.package(), who) : root;
    String path = base + "/" + package.item();
    // Directories made or found once are not looked at again.
    static std::unordered_set<std::string> prepared;
    if (prepared.count(path.str())) return path;
    struct stat st;
    if (stat(path.chars(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            prepared.insert(path.str());
            return path;
        }
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
    prepared.insert(path.str());
    return path;
}

// The date of a source as the header shows it.  Converting a time to local
// time looks at the time zone files each time, and every file of a source
// shows the same date, so the last text made is kept.
static const String& dateText(time_t modified) {
    static time_t last = 0;
    static String text;
    if (text.empty() || modified != last) {
        last = modified;
        text = std::ctime(&modified);
    }
    return text;
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
    int fd = ::open(path.chars(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        msg::ioerror("%s: cannot open file `%s'", who, path.chars());
        return nullptr;
    }
    JavaStream* stream = new JavaStream(files, path, who, fd);
    files.add(path);
    // Names are printed as seen from inside the class's package.
    JavaName::setPrintPackage(name.isPackaged() ? &name.package() : nullptr);
    JavaTemplate(header)
        .set("path", path)
        .set("source", source.get_name())
        .set("date", dateText(source.get_last_mod_time()))
        .set("program", progname)
        .set("product", version)
        .set("stamp", timestamp)
        .print(*stream);
    return stream;
}

// Writes the whole text at once, with the imports its names asked for
// spliced in after the package statement.  A file whose writing failed
// (disk full, file-size limit) is reported and removed, so that no truncated
// file is left looking like output.
JavaStream::~JavaStream() {
    std::vector<std::string> imports = JavaName::takeImports();
    JavaName::setPrintPackage(nullptr);
    std::string text = str();
    if (!imports.empty() && importAt >= 0) {
        std::string lines;
        for (const std::string& name : imports) lines += "import " + name + ";\n";
        text.insert(static_cast<size_t>(importAt), lines);
    }
    errno = 0;
    bool ok = !fail();
    for (size_t done = 0; ok && done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        if (errno == 0) errno = EIO;
        msg::ioerror("%s: cannot write file `%s'", who.chars(), path.chars());
        unlink(path.chars());
        files.markFailed(path);
    }
}

void JavaStream::printPackage(const JavaName& className) {
    if (!className.isPackaged()) return;
    *this << "package " << className.package().toString() << ";\n";
    importAt = tellp();
}
