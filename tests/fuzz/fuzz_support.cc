#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "idlgen/driver/Dependent.h"
#include "lib/flag.h"

namespace {

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string scratch;

void throw_exit(int) { throw FuzzExit(); }

}  // namespace

void fuzz_init() {
    if (!scratch.empty()) return;
    Flag::set("no-cpp");
    msg::set_exit_handler(throw_exit);
    if (!std::getenv("QUORVEX_FUZZ_VERBOSE")) {
        static NullBuffer null;
        std::cerr.rdbuf(&null);
    }
    char dir[] = "/tmp/quorvex-fuzz-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        std::abort();
    }
    scratch = dir;
}

std::string fuzz_write(const char* name, const uint8_t* data, size_t size) {
    std::string path = scratch + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path;
}

void fuzz_dialect(const uint8_t* data, size_t size) {
    Flag::set(size > 0 && (data[0] & 1) ? "corba3" : "no-corba3");
}

Reader& fuzz_reader() {
    msg::reset_error_count();
    return *new Reader(*new ConFileTbl, *new EnvFileTbl, *new Dependent);
}
