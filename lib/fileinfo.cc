#include "lib/fileinfo.h"

#include <sys/stat.h>

#include <vector>

#include "lib/msg.h"

String FileInfo::simplify(const String& path) {
    const std::string& p = path.str();
    bool absolute = !p.empty() && p[0] == '/';
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= p.size()) {
        size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        std::string part = p.substr(i, j - i);
        i = j + 1;
        if (part.empty() || part == ".") continue;
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
            continue;
        }
        if (part == ".." && absolute) continue;
        parts.push_back(part);
    }
    std::string out = absolute ? "/" : "";
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k) out += '/';
        out += parts[k];
    }
    if (out.empty()) out = ".";
    return String(out);
}

FileInfo::FileInfo(const String& dir, const String& name) {
    String joined = dir.empty() ? name : dir + "/" + name;
    full_name = simplify(joined);
    int slash = full_name.index('/', -1);
    subdir = slash < 0 ? String() : full_name.before(slash);
    String base = full_name.after(slash);
    int dot = base.index('.', -1);
    base_name = dot < 0 ? base : base.before(dot);
    extension = dot < 0 ? String() : base.after(dot);
    struct stat st;
    if (!name.empty() && stat(full_name.chars(), &st) == 0) {
        exists = true;
        dev = st.st_dev;
        ino = st.st_ino;
        mtime = st.st_mtime;
    }
}

bool FileInfo::operator==(const FileInfo& other) const {
    if (dev == 0 || ino == 0 || dev != other.dev || ino != other.ino) return false;
    if (mtime != other.mtime)
        msg::inform("`%s' == `%s' but mtimes do not match!", full_name.chars(), other.full_name.chars());
    if (full_name != other.full_name)
        msg::inform("`%s' == `%s' but names do not match!", full_name.chars(), other.full_name.chars());
    return true;
}
