// Arbitrary bytes through the whole pipeline: reading and checks, the pragma
// passes, and both generators, writing into a scratch directory that is
// emptied before every input.  An internal error is a finding.
#include <ftw.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "fuzz_support.h"
#include "idlgen/driver/phases.h"

static int remove_entry(const char* path, const struct stat*, int, struct FTW*) {
    std::remove(path);
    return 0;
}

static void abort_on_panic(int) { std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_init();
    fuzz_dialect(data, size);
    msg::set_panic_handler(abort_on_panic);
    std::string path = fuzz_write("input.idl", data, size);
    std::string out = path.substr(0, path.rfind('/')) + "/out";
    nftw(out.c_str(), remove_entry, 16, FTW_DEPTH | FTW_PHYS);
    mkdir(out.c_str(), 0777);

    Reader& reader = fuzz_reader();
    try {
        ConFile& file = reader.read_con(*new EnvFile, path.c_str());
        if (msg::get_error_count() > 0) return 0;
        ConFileTbl& named = *new ConFileTbl;
        named.insert(file.get_info(), file);
        run_pragma_passes(named);
        generate_java(named, GenerationRequest{out.c_str(), nullptr, 1, 1, 0});
    } catch (bad_file&) {
    } catch (FuzzExit&) {
    }
    return 0;
}
