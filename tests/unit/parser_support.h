// Parsing IDL text in unit tests: the text is written to a temporary file
// and run through the parser without the preprocessor.
#ifndef QUORVEX_TESTS_PARSER_SUPPORT_H
#define QUORVEX_TESTS_PARSER_SUPPORT_H

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ast/env/envfile.h"
#include "ast/input/confile.h"
#include "ast/input/conparse.h"
#include "ast/input/reader.h"
#include "ast/tree/definition.h"
#include "idlgen/driver/Dependent.h"
#include "lib/File.h"

namespace parser_support {

inline Reader& reader() {
    static ConFileTbl confiles;
    static EnvFileTbl envfiles;
    static Dependent dependent;
    static Reader r(confiles, envfiles, dependent);
    return r;
}

inline EnvFile& envfile() {
    static EnvFile env;
    return env;
}

// Writes the text to a new temporary file and returns its name.
inline std::string write_temp(const std::string& text) {
    char path[] = "/tmp/quorvex_parse_XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) std::abort();
    if (!text.empty() && write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
    close(fd);
    return path;
}

// The parse result of the text as the file `name`: null when abandoned.
inline DefinitionList* parse(const std::string& text, const char* name = "t.idl") {
    std::string path = write_temp(text);
    FILE* in = std::fopen(path.c_str(), "r");
    File file(dup(fileno(in)), io_read);
    std::fclose(in);
    unlink(path.c_str());
    DefinitionList* result = parse_contract_file(file, name, reader(), envfile());
    file.finish();
    return result;
}

}  // namespace parser_support

#endif
