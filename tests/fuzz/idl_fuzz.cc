// Arbitrary bytes as an IDL file: scanner, parser, name resolution and final
// checks, as the driver runs them with the preprocessor off.
#include <cstddef>
#include <cstdint>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "ast/input/reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_init();
    fuzz_dialect(data, size);
    std::string path = fuzz_write("input.idl", data, size);
    Reader& reader = fuzz_reader();
    try {
        reader.read_con(*new EnvFile, path.c_str());
    } catch (bad_file&) {
    } catch (FuzzExit&) {
    }
    return 0;
}
