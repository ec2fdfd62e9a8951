#include "ast/input/reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/inputfiles.h"
#include "ast/pragma/orbmodules.h"
#include "lib/flag.h"
#include "lib/pipe.h"

static Flag cpp_flag("cpp", "run source through C preprocessor", 1);

Reader::Reader(ConFileTbl& c, EnvFileTbl& e, InputFiles& o) : confiles(c), envfiles(e), opened(o) {
    orb_modules::set_reader(*this);
}

void Reader::set_cpp_option(const char* arg) {
    if (!options_open) msg::panic("Reader::set_cpp_option: too late now to set options");
    if (String(arg) == "-I") msg::error("no directory given for -I option");
    options.push_back(arg);
}

bool Reader::find_file(const String& dir, const String& prefix, const String& name, bool search,
                       FileInfo& info) const {
    info = FileInfo(dir, prefix + name);
    if (info.is_null() && search) {
        for (const char* o : options) {
            String opt(o);
            if (opt.length() <= 2 || opt.before(2) != "-I") continue;
            info = FileInfo(opt.from(2), name);
            if (!info.is_null()) break;
        }
    }
    return !info.is_null();
}

File* Reader::open_file(const String& fullname) {
    options_open = 0;
    int fd = open(fullname.chars(), O_RDONLY);
    if (fd < 0) {
        if (errno == ENOENT)
            msg::ioerror("cannot find file `%s'", fullname.chars());
        else
            msg::ioerror("error opening file \"%s\"", fullname.chars());
        return nullptr;
    }
    // Only regular files are read: a directory or a device would reach the
    // preprocessor or the scanner as a read error or an endless stream.
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        bool directory = S_ISDIR(st.st_mode);
        close(fd);
        if (directory) {
            errno = EISDIR;
            msg::ioerror("cannot read `%s'", fullname.chars());
        } else {
            msg::error("cannot read `%s': not a regular file", fullname.chars());
        }
        return nullptr;
    }
    Preprocessor* pre = nullptr;
    if (cpp_flag) {
        if (access(Preprocessor::path(), X_OK) != 0)
            msg::iofatal("cannot preprocess input: cannot run `%s'", Preprocessor::path());
        options.push_back(nullptr);
        pre = new Preprocessor(fullname, fd, options.data());
        options.pop_back();
        fd = pre->get_fd();
        if (fd < 0) msg::fatal("cannot preprocess input");
    }
    File* file = new File(fd, io_read);
    // The name must outlive the File; it is kept for the whole run.
    file->setname((new String(fullname))->chars());
    file->setfilter(pre);
    opened.add(fullname);
    return file;
}

// Opens and parses a file found as `info` that is not in the table yet, and
// enters it; `caller` names the operation in the internal-error message.
ConFile& Reader::parse_new_con(EnvFile& env, const FileInfo& info, const String& name, const char* caller) {
    File* file = open_file(info.get_full_name());
    if (!file) throw bad_file{true};
    ConFile* con = new ConFile(*new FileInfo(info), *file, *this, env);
    try {
        confiles.insert(con->get_info(), *con);
    } catch (Tbl_duplicate&) {
        msg::panic("%s: .lookup(%s) == FALSE but .insert(%s) => duplicate", caller, name.chars(), name.chars());
    }
    return *con;
}

ConFile& Reader::read_con(EnvFile& env, const String& name) {
    FileInfo info;
    if (!find_file("", "", name, false, info)) {
        msg::error("Cannot find file `%s'", name.chars());
        throw bad_file();
    }
    if (ConFile* known = confiles.lookup(info)) return *known;
    int errors = msg::get_error_count();
    ConFile& con = parse_new_con(env, info, name, "read_con");
    if (msg::get_error_count() == errors) confiles.check_new_files();
    return con;
}

ConFile& Reader::import_con(EnvFile& env, const String& dir, const String& prefix, const String& name) {
    FileInfo info;
    if (!find_file(dir, prefix, name, true, info)) throw bad_file();
    if (ConFile* known = confiles.lookup(info)) return *known;
    int errors = msg::get_error_count();
    ConFile& con = parse_new_con(env, info, name, "import_con");
    if (msg::get_error_count() == errors) con.resolve_names();
    return con;
}

EnvFile& Reader::read_env(const String& name) { return import_env("", "", name, false); }

EnvFile& Reader::import_env(const String& dir, const String& prefix, const String& name, bool search) {
    FileInfo info;
    if (!find_file(dir, prefix, name, search, info)) throw bad_file();
    if (EnvFile* known = envfiles.lookup(info)) return *known;
    File* file = open_file(info.get_full_name());
    if (!file) throw bad_file{true};
    EnvFile* env = new EnvFile(*new FileInfo(info), *file, *this);
    try {
        envfiles.insert(env->get_info(), *env);
    } catch (Tbl_duplicate&) {
        msg::panic("import_env: .lookup(%s) == FALSE but .insert(%s) => duplicate", name.chars(), name.chars());
    }
    return *env;
}
