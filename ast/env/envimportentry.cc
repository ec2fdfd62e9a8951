#include "ast/env/envimportentry.h"

#include "ast/env/envfile.h"
#include "lib/msg.h"
#include "ast/input/reader.h"

EnvFile* EnvImportEntry::get_file(const EnvFile& importer) {
    // A failed read is not retried: it would only repeat the reader's
    // messages for every later question.
    if (tried) return file;
    tried = true;
    if (Reader* reader = importer.get_reader()) {
        try {
            file = &reader->import_env(importer.get_path(), "", file_name, true);
        } catch (bad_file& failure) {
            file = nullptr;
            // Found but unreadable (a directory, say): the reader has said so.
            reported = failure.reported;
        }
    }
    return file;
}

void EnvImportEntry::report_unreadable() {
    if (reported) return;
    reported = true;
    msg::error(loc, "Cannot import \"%s\"", file_name.chars());
}
