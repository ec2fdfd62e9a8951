#include "idlgen/java/core/JavaFiles.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "ast/input/confile.h"
#include "lib/msg.h"
#include "lib/version.h"
#include "idlgen/java/core/JavaName.h"
#include "idlgen/java/core/JavaShadowing.h"
#include "idlgen/java/core/JavaTemplate.h"
#include "lib/OutFile.h"

JavaTextBuffer::JavaTextBuffer(std::string& storage) : storage(storage) {
    if (storage.size() < storage.capacity()) storage.resize(storage.capacity());
    setp(&storage[0], &storage[0] + storage.size());
}

void JavaTextBuffer::reserve(size_t more) {
    size_t used = size();
    if (storage.size() - used >= more) return;
    size_t grown = storage.size() * 2;
    if (grown < used + more) grown = used + more;
    if (grown < 16384) grown = 16384;
    storage.resize(grown);
    setp(&storage[0], &storage[0] + storage.size());
    // pbump takes an int; a text is far below that, but step anyway.
    for (size_t left = used; left;) {
        int step = left > 0x40000000 ? 0x40000000 : static_cast<int>(left);
        pbump(step);
        left -= static_cast<size_t>(step);
    }
}

JavaTextBuffer::int_type JavaTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    reserve(1);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize JavaTextBuffer::xsputn(const char* s, std::streamsize n) {
    if (n <= 0) return 0;
    size_t count = static_cast<size_t>(n);
    reserve(count);
    std::memcpy(pptr(), s, count);
    for (size_t left = count; left;) {
        int step = left > 0x40000000 ? 0x40000000 : static_cast<int>(left);
        pbump(step);
        left -= static_cast<size_t>(step);
    }
    return n;
}

// The storage of every JavaText; one is open at a time.
static std::string textStorage;

JavaText::JavaText(const JavaName& className) : JavaTextBuffer(textStorage), std::ostream(this) {
    // Names are printed as seen from inside the class's package.
    JavaName::setPrintPackage(className.isPackaged() ? &className.package() : nullptr);
}

JavaText::~JavaText() {
    if (taken) return;
    JavaName::takeImports();
    JavaName::takeUnreachable();
    JavaName::setPrintPackage(nullptr);
}

void JavaText::printPackage(const JavaName& className) {
    if (!className.isPackaged()) return;
    *this << "package " << className.package().toString() << ";\n";
    importAt = size();
}

bool JavaText::takeInto(std::string& out, std::string& problem) {
    std::vector<std::string> imports = JavaName::takeImports();
    std::vector<std::pair<std::string, std::string>> unreachable = JavaName::takeUnreachable();
    JavaName::setPrintPackage(nullptr);
    taken = true;
    if (!unreachable.empty()) {
        problem = "no Java name reaches " + unreachable.front().first + ": `" + unreachable.front().second +
                  "' hides its first component";
        return false;
    }
    std::string text(data(), size());
    std::string package;
    if (importAt != std::string::npos) {
        // "package P;\n"
        size_t space = text.find(' ');
        if (space != std::string::npos && space < importAt) package = text.substr(space + 1, importAt - space - 3);
    }
    if (!JavaShadowing::mend(text, package, imports, problem)) return false;
    size_t split = imports.empty() || importAt == std::string::npos ? text.size() : importAt;
    out.append(text, 0, split);
    for (const std::string& name : imports) {
        out += "import ";
        out += name;
        out += ";\n";
    }
    out.append(text, split, std::string::npos);
    return true;
}

void JavaFiles::flush(const String& listFile) const {
    std::string text;
    for (DLListIter<String> it(files); it; it.next()) {
        text += it.entry().str();
        text += '\n';
    }
    switch (outfile::put(listFile.chars(), text)) {
    case outfile::open_failed: msg::ioerror("Cannot open file `%s'", listFile.chars()); break;
    case outfile::write_failed: msg::ioerror("cannot write file `%s'", listFile.chars()); break;
    default: break;
    }
}

// The package directories this run made.
static std::unordered_set<std::string> madeDirs;

String JavaFiles::preparePackage(const String& root, const JavaName& package, const char* who) {
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
    bool madeNow = mkdir(path.chars(), 0777) == 0;
    if (!madeNow && !(errno == EEXIST && stat(path.chars(), &st) == 0 && S_ISDIR(st.st_mode))) {
        msg::ioerror("%s: cannot create `%s'", who, path.chars());
        throw Nope();
    }
    if (madeNow) madeDirs.insert(path.str());
    prepared.insert(path.str());
    return path;
}

// SOURCE_DATE_EPOCH, the time reproducible builds pin the dates of their
// output to; `pinned` is false when it is unset or empty.
static bool pinned = false;
static time_t pinnedTime = 0;

bool JavaFiles::readSourceDateEpoch() {
    const char* value = std::getenv("SOURCE_DATE_EPOCH");
    pinned = false;
    if (!value || !*value) return true;
    errno = 0;
    char* end = nullptr;
    unsigned long long seconds = std::strtoull(value, &end, 10);
    // Decimal digits only: strtoull would take a sign or leading blanks.
    bool digits = true;
    for (const char* p = value; p != end; ++p)
        if (*p < '0' || *p > '9') digits = false;
    if (!digits || *end || errno == ERANGE || seconds > static_cast<unsigned long long>(LLONG_MAX) ||
        static_cast<unsigned long long>(static_cast<time_t>(seconds)) != seconds) {
        msg::error("SOURCE_DATE_EPOCH `%s' is not a number of seconds since 1970", value);
        return false;
    }
    pinned = true;
    pinnedTime = static_cast<time_t>(seconds);
    return true;
}

// The date of a source as the header shows it: its modification time in
// local time; under SOURCE_DATE_EPOCH, the earlier of that and the pinned
// time, in UTC, so that the text depends on neither the checkout's file
// times nor the time zone.  Converting a time to local time looks at the
// time zone files each time, and every file of a source shows the same date,
// so the last text made is kept.
static const String& dateText(time_t modified) {
    static time_t last = 0;
    static String text;
    if (pinned && pinnedTime < modified) modified = pinnedTime;
    if (text.empty() || modified != last) {
        last = modified;
        if (pinned) {
            struct tm utc;
            char buffer[64];
            text = gmtime_r(&modified, &utc) && asctime_r(&utc, buffer) ? buffer : "\n";
        } else {
            text = std::ctime(&modified);
        }
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

bool JavaFiles::write(const JavaName& name, const ConFile& source, int verbose, const char* who, JavaText& text) {
    String dir = directory;
    try {
        if (name.isPackaged()) dir = preparePackage(dir, name.package(), who);
    } catch (Nope&) {
        return false;
    }
    // A directory this run made holds only what the run wrote (or another
    // compiler writing into the same root at once): its files need no look
    // before they are written; writing one again is safe.
    String path = dir + "/" + name.item() + ".java";
    bool absent = name.isPackaged() && madeDirs.count(dir.str()) != 0;
    // The whole file is put together in one string kept from file to file.
    static std::string whole;
    static std::string headStorage;
    whole.clear();
    {
        JavaTextBuffer headBuffer(headStorage);
        std::ostream head(&headBuffer);
        JavaTemplate(header)
            .set("path", path)
            .set("source", source.get_name())
            .set("date", dateText(source.get_last_mod_time()))
            .set("program", progname)
            .set("product", version)
            .set("stamp", timestamp)
            .print(head);
        whole.append(headBuffer.data(), headBuffer.size());
    }
    std::string problem;
    if (!text.takeInto(whole, problem)) {
        msg::error("%s: %s.java: %s", source.get_name().chars(), name.toString().chars(), problem.c_str());
        return false;
    }
    // The message comes after the fact, so that "unchanged" can be told; a
    // failure is reported after the temporary file is gone, since the
    // message may end the run.
    switch (outfile::put(path.chars(), whole, absent)) {
    case outfile::written:
        if (verbose) msg::inform("%s: writing file `%s'", who, path.chars());
        break;
    case outfile::unchanged:
        ++unchangedCount;
        if (verbose) msg::inform("%s: unchanged file `%s'", who, path.chars());
        break;
    case outfile::open_failed:
        msg::ioerror("%s: cannot open file `%s'", who, path.chars());
        return false;
    case outfile::write_failed:
        msg::ioerror("%s: cannot write file `%s'", who, path.chars());
        return false;
    }
    add(path);
    return true;
}
