// The environment-file scanner and parser: the entry point, the token value
// record and the globals the two share.  They live beside the IDL scanner and
// parser in one program, so every global carries the prefix env_.
#ifndef QUORVEX_AST_ENVPARSE_H
#define QUORVEX_AST_ENVPARSE_H

#include <cstdio>

#include "lib/String.h"

class File;
class EnvEntryList;

// The value of an IDENTIFIER or STRING token: its text and where it was read.
// `file` points at an interned name that lives for the whole run, so
// locations made from it stay valid.
struct EnvToken {
    String text;
    const String* file;
    int line;
};

// Scans and parses one environment file.  Returns its entries in source
// order, or null when the parse was abandoned after a syntax error.
EnvEntryList* parse_env_file(const String& name, File& file);

// Scanner state: the current file name (changed by line directives), the
// name of the file being parsed, and the current line.
extern const String* env_filename;
extern const String* env_mainfilename;
extern int env_lineno;
extern char* env_text;

int env_lex();
void env_error(const char* message);

// Points the scanner at a new input stream in its normal state.
void env_lexer_start(FILE* input, const String& name);

// The file name `name` as a String that lives until the process ends; equal
// names give the same String.
const String* env_intern_filename(const std::string& name);

#endif
