#include "idlgen/driver/processcmd.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "idlgen/driver/Dependent.h"
#include "idlgen/driver/phases.h"
#include "idlgen/java/core/JavaFiles.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"
#include "lib/flag.h"
#include "lib/version.h"

static int shown_version = 0;

static Flag verbose("verbose", "comment on execution progress");
static Flag version_flag("version", "show version and timestamp");
static Flag list_options("list-options", "list command line options");
static Flag list_flags("list-flags", "list normal flags");
static Flag write_files("write-files", "write out derived files", 1);
static Flag client("client", "generate client-side files");
static Flag server("server", "generate server-side files");

static const char* const usage_format =
    "Usage: %s [-flist-flags] [-f...] [-e envfile] [-Idir] [-D...] [-U...] [-p package] "
    "[-j javadir] [-J javaFiles] file ...";

void usage() { msg::inform(usage_format, progname); }

// The GNU long options: both print to standard output and end the run.
static void long_option(const char* arg) {
    if (std::strcmp(arg, "--help") == 0) {
        std::printf(usage_format, progname);
        std::printf("\n");
        std::fflush(stdout);
        Flag::list(std::cout, "flags", Regex("debug-.*"), 0);
    } else if (std::strcmp(arg, "--version") == 0) {
        std::printf("%s: version %s created on %s\n", progname, version, timestamp);
    } else {
        unknown_option(arg);
    }
    std::cout.flush();
    std::fflush(stdout);
    std::exit(std::cout.good() && !std::ferror(stdout) ? 0 : 1);
}

void unknown_option(const char* arg) {
    msg::error("unknown option: %s", arg);
    usage();
    std::exit(1);
}

void process_cmd_line(int argc, char** argv) {
    ConFileTbl* confiles = new ConFileTbl;
    EnvFileTbl* envfiles = new EnvFileTbl;
    Dependent* dependent = new Dependent;
    process_cmd_line(argc, argv, *confiles, *envfiles, *dependent);
}

// The value of an option that takes the next argument; null (after an error)
// when the option is the last argument.
static const char* option_value(int argc, char** argv, int& i) {
    if (i + 1 >= argc) {
        msg::error("option %s needs a value", argv[i]);
        return nullptr;
    }
    return argv[++i];
}

static void set_once(const char*& slot, const char* value, const char* twice_message) {
    if (!value) return;
    if (slot)
        msg::error("%s", twice_message);
    else
        slot = value;
}

void process_cmd_line(int argc, char** argv, ConFileTbl& confiles, EnvFileTbl& envfiles,
                      Dependent& dependent) {
    if (argc <= 1) {
        usage();
        return;
    }

    Reader* reader = new Reader(confiles, envfiles, dependent);
    const char* envname = nullptr;
    const char* javadir = nullptr;
    const char* listname = nullptr;

    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        char* arg = argv[i];
        switch (arg[1]) {
        case 'I':
        case 'D':
        case 'U':
            reader->set_cpp_option(arg);
            break;
        case 'f':
            try {
                Flag::set(arg + 2);
            } catch (Flag_notfound&) {
                msg::error("unknown flag: %s", arg);
            }
            break;
        case 'e':
            set_once(envname, option_value(argc, argv, i), "-e option specified twice");
            break;
        case 'j':
            set_once(javadir, option_value(argc, argv, i), "-j option specified twice");
            break;
        case 'J':
            set_once(listname, option_value(argc, argv, i), "-J option specified twice");
            break;
        case 'p': {
            const char* prefix = option_value(argc, argv, i);
            if (!prefix) break;
            if (JavaLib::getPackagePrefix())
                msg::error("-p option specified twice");
            else if (JavaName::checkPackageName(prefix, SrcLoc(), "-p"))
                JavaLib::setPackagePrefix(prefix);
            break;
        }
        case '-':
            long_option(arg);
            break;
        default:
            unknown_option(arg);
        }
    }

    if (msg::get_error_count() > 0) throw ConToJavaAbort();

    if ((version_flag || verbose) && !shown_version) {
        msg::inform("version %s created on %s", version, timestamp);
        shown_version = 1;
    }
    if (verbose) reader->set_verbose(1);
    if (list_options) usage();
    if (list_flags) Flag::list(std::cout, "flags", Regex("debug-.*"), 0);

    if (i >= argc) return;

    EnvFile* env = nullptr;
    if (envname) {
        try {
            env = &reader->read_env(envname);
        } catch (bad_file& failure) {
            if (!failure.reported) msg::error("Could not find environment file: %s", envname);
            throw ConToJavaAbort();
        }
    } else {
        env = new EnvFile;
    }
    if (msg::get_error_count() > 0) throw ConToJavaAbort();

    // Only the files named here are checked further and generated; imports
    // live in the reader's table alone.
    ConFileTbl* named = new ConFileTbl;
    for (; i < argc; ++i) {
        ConFile* file;
        try {
            file = &reader->read_con(*env, argv[i]);
        } catch (bad_file&) {
            continue;
        }
        try {
            named->insert(file->get_info(), *file);
        } catch (Tbl_duplicate&) {
            msg::panic("process_cmd_line insert(%s) => duplicate", argv[i]);
        }
    }
    if (msg::get_error_count() > 0) throw ConToJavaAbort();

    if (!write_files) return;
    dependent.flush();

    if (!client && !server) {
        msg::error("you need to specify at least -fclient or -fserver");
        throw ConToJavaAbort();
    }

    // A bad package or SOURCE_DATE_EPOCH stops the run before anything is
    // written (a failed dependency rule does not: generation goes on).
    int errors = msg::get_error_count();
    run_pragma_passes(*named);
    JavaFiles::readSourceDateEpoch();
    if (msg::get_error_count() > errors) throw ConToJavaAbort();
    generate_java(*named, GenerationRequest{javadir ? javadir : ".", listname, client, server, verbose});

    if (msg::get_error_count() > 0) throw ConToJavaAbort();
}
