// The IDL scanner and parser: their shared globals and the entry point that
// parses one file.  Both keep their state in process globals and are not
// re-entrant; one file is parsed at a time.
#ifndef QUORVEX_AST_CONPARSE_H
#define QUORVEX_AST_CONPARSE_H

#include <cstdio>

class DefinitionList;
class EnvFile;
class File;
class Reader;
class String;

// Parses the open file, whose name is `name`, into its definitions with the
// predefined declarations in front.  Null when the parse was abandoned.
DefinitionList* parse_contract_file(File& file, const String& name, Reader& reader, EnvFile& envfile);
// The same for a stream that is no file of the reader's (the ORB modules'
// compiled-in text), read as it stands.
DefinitionList* parse_contract_stream(FILE* in, const String& name, Reader& reader, EnvFile& envfile);

// The file name and line of the text being scanned.  File names are kept
// for the whole run, so source locations may point at them.
extern const String* con_filename;
extern int con_lineno;

// Set when the scanner has reported why the next token is an error: the
// parser's "syntax error" for it is then not reported again.
extern bool con_syntax_error_reported;

// The Reader and environment file of the file being parsed, for the actions.
extern Reader* con_reader;
extern EnvFile* con_envfile;

// The longest token text the scanner accepts.
enum { con_text_limit = 1024 };

// Starts scanning `in` from its beginning, as the file `name` at line 1 (the
// main file, to which empty names in line directives refer).
void con_lexer_start(FILE* in, const String& name);

int con_lex();
int con_parse();
void con_error(const char* text);

// Internal tracing of the parser; off unless a debugging flag sets it.
extern int con_debug;

#endif
