/* The environment-file grammar.  An environment file is a sequence of entries,
 * each ended by a semicolon: an import of another environment file, or a
 * scoped name followed by a colon and its attributes. */
%define api.prefix {env_}
%define api.token.prefix {ENV_}
%define parse.error simple
%define parse.trace

%code requires {
#include "ast/env/envparse.h"
#include "lib/String.h"

class EnvAttr;
class EnvAttrList;
class EnvEntry;
class EnvEntryList;
class ScopedName;
}

%code {
#include <cstring>

#include "ast/env/envattr.h"
#include "ast/env/envattrentry.h"
#include "ast/env/envimportentry.h"
#include "lib/msg.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "lib/File.h"

// The parser's trace output, for debugging the grammar; no option sets it.
static const int debug_envparse = 0;

// The entry list of the file parsed last.
static EnvEntryList* env_result = nullptr;

static SrcLoc token_loc(const EnvToken* t) { return SrcLoc(*t->file, t->line); }
}

%union {
    EnvToken* token;
    String* text;
    ScopedName* name;
    EnvAttr* attr;
    EnvAttrList* attrs;
    EnvEntry* entry;
    EnvEntryList* entries;
}

%token COLON 257 ASSIGN 258 SCOPE 259 SEMI 260 IMPORT 261
%token <token> IDENTIFIER 262 STRING 263
%token ERROR 264

%type <entries> env_file entry_STAR
%type <entry> entry import_entry attr_entry
%type <name> scoped_name
%type <attrs> attr_STAR
%type <attr> attr
%type <text> assign_value assign_value_OPT value

/* Token records are consumed by the actions; those still on the stack when a
 * parse is abandoned are freed here. */
%destructor { delete $$; } <token>

%start env_file

%%

env_file : entry_STAR { $$ = $1; env_result = $1; } ;

entry : import_entry
      | attr_entry
      ;

attr_entry : scoped_name COLON attr_STAR SEMI { $$ = new EnvAttrEntry(*$1, *$3); } ;

import_entry : IMPORT STRING SEMI
        {
            $$ = new EnvImportEntry($2->text, token_loc($2));
            delete $2;
        }
    ;

scoped_name : IDENTIFIER
        {
            $$ = new ScopedName(0, *new Id($1->text.chars(), token_loc($1)));
            delete $1;
        }
    | scoped_name SCOPE IDENTIFIER
        {
            $1->append(*new Id($3->text.chars(), token_loc($3)));
            $$ = $1;
            delete $3;
        }
    ;

attr : IDENTIFIER assign_value_OPT
        {
            $$ = new EnvAttr($1->text, $2 ? *$2 : String(), token_loc($1));
            delete $1;
            delete $2;
        }
    ;

assign_value : ASSIGN value { $$ = $2; } ;

value : IDENTIFIER { $$ = new String($1->text); delete $1; }
      | STRING     { $$ = new String($1->text); delete $1; }
      ;

empty : %empty ;

assign_value_OPT : empty        { $$ = nullptr; }
                 | assign_value
                 ;

attr_STAR : empty           { $$ = new EnvAttrList; }
          | attr_STAR attr  { $1->append(*$2); $$ = $1; }
          ;

entry_STAR : empty              { $$ = new EnvEntryList; }
           | entry_STAR entry   { $1->append(*$2); $$ = $1; }
           ;

%%

void env_error(const char* message) {
    // The parser's own name for an exhausted stack.
    if (std::strcmp(message, "memory exhausted") == 0) message = "yacc stack overflow";
    msg::error(SrcLoc(*env_filename, env_lineno), "%s", message);
}

EnvEntryList* parse_env_file(const String& name, File& file) {
    env_lexer_start(file, name);
    env_debug = debug_envparse;
    env_result = nullptr;
    if (env_parse() != 0) return nullptr;
    return env_result;
}
