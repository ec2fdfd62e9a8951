#include "ast/input/confile.h"

#include <cstdio>

#include "ast/env/envfile.h"
#include "ast/input/conparse.h"
#include "ast/input/dialect.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "ast/names/scope.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "lib/flag.h"

static Flag debug_confile_resolve("debug-confile-resolve", "");

ConFile::ConFile(FileInfo& i, File& file, Reader& reader, EnvFile& envfile) : info(i) {
    if (reader.is_verbose()) msg::inform("reading IDL file `%s'", info.get_full_name().chars());
    definitions = parse_contract_file(file, info.get_full_name(), reader, envfile);
    // A parse given up early leaves output unread; reading it lets the
    // preprocessor finish instead of dying on a closed pipe.
    char rest[4096];
    if (static_cast<FILE*>(file))
        while (std::fread(rest, 1, sizeof rest, file) > 0) {
        }
    // The preprocessor's own messages have gone to standard error; a failed
    // run of it (a missing #include, say) must not pass for a good parse.
    if (!file.finish()) msg::error("preprocessing `%s' failed", info.get_full_name().chars());
    if (!definitions) definitions = new DefinitionList;
    envfile.annotate(*definitions->getDeclList());
}

DefinitionList& ConFile::get_definitions() const {
    if (!definitions) msg::panic("ConFile::get_definitions: definitions unset");
    return *definitions;
}

const char* ConFile::resolution_word(int state) {
    switch (state) {
    case too_soon_to_tell: return "too_soon_to_tell";
    case not_yet: return "not yet";
    case in_progress: return "in progress";
    case done: return "done";
    default: return "bogus";
    }
}

void ConFile::resolve_names() {
    if (debug_confile_resolve)
        msg::inform("Confile::resolve_names %s resolution is %s", get_name().chars(),
                    resolution_word(resolution));
    if (resolution != not_yet) return;
    resolution = in_progress;
    Scope scope("FILE");
    get_definitions().getDeclList()->resolve_names(scope);
    resolution = done;
}

void ConFile::final_check() {
    if (checked) return;
    checked = true;
    get_definitions().getDeclList()->final_check(DeclaratorContext::any);
    if (dialect::corba3()) check_local_interfaces(*get_definitions().getDeclList());
}

void ConFileTbl::check_new_files() {
    for (TblIter<FileInfo, ConFile> it(*this); it; it.next()) it.entry().resolve_names();
    if (msg::get_error_count() >= 1) return;
    for (TblIter<FileInfo, ConFile> it(*this); it; it.next()) it.entry().final_check();
}
