// Arbitrary bytes as an environment file: parse it, annotate a small fixed
// IDL file with it, and look attributes up through it.
#include <cstddef>
#include <cstdint>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "ast/input/reader.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "fuzz_support.h"

static const char fixed_idl[] =
    "module M {\n"
    "  typedef long T;\n"
    "  struct S { long a; string b; };\n"
    "  interface I { attribute T x; void op(in S s) raises (E); };\n"
    "  exception E { long code; };\n"
    "  #pragma import Imp\n"
    "};\n"
    "interface J : M::I { };\n";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_init();
    static std::string idl =
        fuzz_write("fixed.idl", reinterpret_cast<const uint8_t*>(fixed_idl), sizeof fixed_idl - 1);
    std::string envpath = fuzz_write("input.env", data, size);
    Reader& reader = fuzz_reader();
    try {
        EnvFile& env = reader.read_env(envpath.c_str());
        reader.read_con(env, idl.c_str());
        static const char* const names[][2] = {{"M", "I"}, {"M", "S"}, {"J", nullptr}, {"M", "Imp"}};
        static const char* const keys[] = {"javaPackage", "file", "env", "builtin", "RepositoryPrefix"};
        for (const auto& n : names) {
            ScopedName* name = new ScopedName(1, *new Id(n[0], SrcLoc()));
            if (n[1]) name->append(*new Id(n[1], SrcLoc()));
            for (const char* key : keys) {
                env.attr_lookup(*name, key, 0);
                env.attr_lookup(*name, key, 1);
            }
        }
    } catch (bad_file&) {
    } catch (FuzzExit&) {
    }
    return 0;
}
