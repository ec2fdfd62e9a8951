/* The IDL grammar: builds the syntax tree of one file.  Optional and empty
 * parts are the shared null objects (Description::null, DeclList::null,
 * ScopedNameList::null, StringValueList::null), never fresh empty objects,
 * because the tree compares against them by identity.  A syntax error in a
 * definition, an interface export or a struct or exception member skips to
 * the next ';' and leaves Decl::error in its place. */

%define api.prefix {con_}
%define parse.error simple
%define parse.trace

%code requires {
#include "lib/srcloc.h"

class Decl;
class DeclList;
class Declarator;
class DeclaratorList;
class Definition;
class DefinitionList;
class Description;
class Expr;
class ExprList;
class Id;
class IdList;
class PragmaBuiltin;
class PragmaJavaPackage;
class PragmaPrefix;
class PragmaServerless;
struct RepositoryDirective;
class ScopedName;
class ScopedNameList;
class String;
class StringValue;
class StringValueList;
class TypeSpec;
class UnionCase;
class UnionCaseList;
class Value;

// interface_header: the name, the bases and the description.
struct ConInterfaceHeader {
    Id* id;
    ScopedNameList* bases;
    Description* desc;
    bool local;
    bool abstract;
};

// value_header: the modifiers, name, bases and supported interfaces.
struct ConValueHeader {
    unsigned modifiers;
    Id* id;
    ScopedNameList* bases;
    ScopedNameList* supports;
};

// type_declarator: a type with the names declared of it.
struct ConTypeDeclarator {
    TypeSpec* type;
    DeclaratorList* declarators;
};

// op_signature: everything of an operation but its description.
struct ConOpSignature {
    unsigned flags;
    TypeSpec* result;
    Id* id;
    DeclList* params;
    ScopedNameList* raises;
    StringValueList* context;
};

// One semantic value.  Keyword and punctuation tokens carry their position
// in `loc`; flags and operator codes are in `word`; everything else is one
// pointer.
struct ConValue {
    SrcLoc loc;
    unsigned word;
    union {
        Id* id;
        Value* value;
        StringValue* string_value;
        String* text;
        Description* desc;
        PragmaPrefix* prefix;
        PragmaBuiltin* builtin;
        PragmaServerless* serverless;
        PragmaJavaPackage* java_package;
        RepositoryDirective* directive;
        Definition* definition;
        DefinitionList* definitions;
        Decl* decl;
        DeclList* decls;
        Declarator* declarator;
        DeclaratorList* declarators;
        TypeSpec* type;
        ScopedName* name;
        ScopedNameList* names;
        Expr* expr;
        ExprList* exprs;
        IdList* ids;
        UnionCase* union_case;
        UnionCaseList* cases;
        StringValueList* strings;
        ConInterfaceHeader* header;
        ConValueHeader* value_header;
        ConTypeDeclarator* type_declarator;
        ConOpSignature* signature;
    };
};
}

%define api.value.type {struct ConValue}

%code {
#include <cstring>

#include "ast/env/envfile.h"
#include "ast/expr/expr.h"
#include "ast/expr/value.h"
#include "ast/input/conparse.h"
#include "ast/input/description.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "ast/pragma/pragma.h"
#include "ast/pragma/predefined.h"
#include "ast/pragma/repositorydirective.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/definition.h"
#include "ast/tree/types.h"
#include "lib/flag.h"

// The stacks start small and double as needed, up to a depth that bounds
// the nesting of the input; beyond it the parse gives up with a message.
#define YYINITDEPTH 150
#define YYMAXDEPTH 10000

// The parser's own messages, as the program words them.
#define YY_(msgid) (std::strcmp(msgid, "memory exhausted") == 0 ? "yacc stack overflow" : msgid)

Reader* con_reader = nullptr;
EnvFile* con_envfile = nullptr;

// The value of the start symbol after a successful parse.
static DefinitionList* con_result = nullptr;

static Flag debug_conparse("debug-conparse", "");

// A declaration wrapping a named type, whose own declarator is annotated
// from the environment file.
static Decl* wrap_named(TypeSpec* type) {
    Decl* decl = new Decl(*type);
    type->get_declarator().set_envfile(con_envfile);
    return decl;
}

// Appends to a _STAR list of declarations, which starts as the shared null.
static DeclList* append_decl(DeclList* list, Decl* item) {
    if (list == &DeclList::null) return new DeclList(*item);
    list->append(*item);
    return list;
}
}

/* Tokens with their codes. */
%token <loc> ASSIGN 257 BITAND 258 BITCOMPL 259 BITOR 260 BITXOR 261 BRA 262 COLON 263 COMMA 264
%token <loc> CURLBRA 265 CURLKET 266 DIVIDE 267 GT 268 KET 269 LEFTSHIFT 270 LT 271 MINUS 272
%token <loc> MODULUS 273 MULTIPLY 274 PLUS 275 RIGHTSHIFT 276 SCOPE 277 SEMI 278 SQBRA 279
%token <loc> SQKET 280
%token <loc> ANY 281 ATTRIBUTE 282 BOOLEAN 283 CASE 284 CHAR 285 CONST 286 CONTEXT 287
%token <loc> DEFAULT 288 DOUBLE 289 ENUM 290 EXCEPTION 291 FLOAT 292 IN 293 INOUT 294
%token <loc> INTERFACE 295 LONG 296 MODULE 297 OCTET 298 ONEWAY 299 OUT 300 RAISES 301
%token <loc> READONLY 302 SEQUENCE 303 SHORT 304 STRING 305 STRUCT 306 SWITCH 307 TYPEDEF 308
%token <loc> UNION 309 UNSIGNED 310 VOID 311
%token <loc> FALSE_LITERAL 312 TRUE_LITERAL 313
%token <id> IDENTIFIER 314
%token <value> CHARACTER_LITERAL 315 FLOATING_PT_LITERAL 316 INTEGER_LITERAL 317 STRING_LITERAL 318
%token <loc> DESCRIPTION_HEAD 319
%token <text> DESCRIPTION_BODY 320
%token <loc> DESCRIPTION_TAIL 321
%token <prefix> PRAGMA_PREFIX 322
%token <builtin> PRAGMA_BUILTIN 323
%token <serverless> PRAGMA_SERVERLESS 324
%token <id> PRAGMA_IMPORT 325
%token <java_package> PRAGMA_JAVAPACKAGE 326
%token ERROR 327
%token EMPTY_SPECIFICATION 328
%token <loc> FORWARD_STRUCT 329 FORWARD_UNION 330 WCHAR 331 WSTRING 332
/* A #pragma ID or version line under -fcorba3; the scanner's queue takes it
 * and the parser never sees it. */
%token <directive> PRAGMA_REPOSITORY 333
/* "valuetype" opening a boxed value type (-fcorba3). */
%token <loc> VALUETYPE_BOX 334
/* A module body of repository directives alone (-fcorba3). */
%token <loc> DIRECTIVES_ONLY 335
/* "native" opening a native type declaration (-fcorba3). */
%token <loc> NATIVE 336
/* A value type (-fcorba3): "valuetype" (its word: 1 after "abstract", 2
 * after "custom"), the one of a forward declaration, and the words of its
 * header and body. */
%token <loc> VALUETYPE 337 VALUETYPE_FORWARD 338 TRUNCATABLE 339 SUPPORTS 340 PUBLIC 341 PRIVATE 342
%token <loc> FACTORY 343
/* "fixed" before '<' or a name, and a fixed-point literal (-fcorba3). */
%token <loc> FIXED 344
%token <value> FIXED_PT_LITERAL 345

%type <definitions> specification definition_PLUS
%type <definition> definition
%type <decl> type_dcl const_dcl except_dcl interface module pragma_import pragma_builtin
%type <decl> value_box native_dcl value_dcl value_forward value_element state_member init_dcl
%type <decls> value_element_STAR
%type <names> supports_OPT
%type <word> TRUNCATABLE_OPT
%type <value_header> value_header
%type <decl> interface_dcl forward_dcl export attr_dcl op_dcl member element_spec param_dcl
%type <prefix> pragma_prefix
%type <serverless> pragma_serverless
%type <java_package> pragma_javaPackage
%type <header> interface_header
%type <decls> interface_body export_STAR member_STAR member_list member_PLUS
%type <decls> parameter_dcls param_dcl_LIST
%type <names> inheritance_spec inheritance_spec_OPT scoped_name_LIST raises_expr raises_expr_OPT
%type <name> scoped_name
%type <type> const_type_spec type_spec simple_type_spec base_type_spec template_type_spec
%type <type> constr_type_spec floating_pt_type integer_type char_type boolean_type octet_type
%type <type> any_type struct_type union_type enum_type switch_type_spec sequence_type
%type <type> string_type op_type_spec param_type_spec fixed_pt_type
%type <expr> const_exp or_expr xor_expr and_expr shift_expr add_expr mult_expr unary_expr
%type <expr> primary_expr positive_int_const case_label fixed_array_size
%type <value> literal integer_literal string_literal character_literal floating_pt_literal fixed_pt_literal
%type <value> boolean_literal
%type <type_declarator> type_declarator
%type <declarators> declarators declarator_LIST simple_declarator_LIST
%type <declarator> declarator simple_declarator complex_declarator array_declarator
%type <union_case> case
%type <cases> switch_body case_PLUS
%type <exprs> case_label_PLUS fixed_array_size_PLUS
%type <id> enumerator identifier
%type <ids> enumerator_LIST
%type <signature> op_signature
%type <word> op_attribute op_attribute_STAR param_attribute unary_operator
%type <word> READONLY_OPT UNSIGNED_OPT
%type <strings> context_expr context_expr_OPT string_literal_LIST
%type <desc> description description_OPT
%type <text> DESCRIPTION_BODY_STAR

%start specification

%%

/* Definitions and modules */

specification
    : definition_PLUS                   { $$ = PredefinedTypes::add($1, *con_reader); con_result = $$; }
    | EMPTY_SPECIFICATION               {
                                            /* Only with -fcorba3: a file with no definitions. */
                                            $$ = PredefinedTypes::add(new DefinitionList, *con_reader);
                                            con_result = $$;
                                        }
    ;

definition
    : type_dcl                          { $$ = new DeclDefinition(*$1); }
    | const_dcl                         { $$ = new DeclDefinition(*$1); }
    | except_dcl                        { $$ = new DeclDefinition(*$1); }
    | interface                         { $$ = new DeclDefinition(*$1); }
    | module                            { $$ = new DeclDefinition(*$1); }
    | value_box                         { $$ = new DeclDefinition(*$1); }
    | value_dcl                         { $$ = new DeclDefinition(*$1); }
    | value_forward                     { $$ = new DeclDefinition(*$1); }
    | native_dcl                        { $$ = new DeclDefinition(*$1); }
    | pragma_prefix                     { $$ = new PragmaPrefixDefinition(*$1); }
    | pragma_import                     { $$ = new DeclDefinition(*$1); }
    | pragma_builtin                    { $$ = new DeclDefinition(*$1); }
    | pragma_serverless                 { $$ = new PragmaServerlessDefinition(*$1); }
    | pragma_javaPackage                { $$ = new PragmaJavaPackageDefinition(*$1); }
    | error SEMI                        { $$ = new DeclDefinition(Decl::error); }
    ;

module
    : MODULE identifier description_OPT CURLBRA definition_PLUS CURLKET SEMI
                                        { $$ = wrap_named(new ModuleTypeSpec(*$2, *$3, *$5)); }
    | MODULE identifier description_OPT CURLBRA DIRECTIVES_ONLY CURLKET SEMI
                                        { $$ = wrap_named(new ModuleTypeSpec(*$2, *$3, *new DefinitionList)); }
    ;

native_dcl
    : NATIVE identifier SEMI            { $$ = PragmaBuiltin::nativeDecl(*$2, *con_reader); }
    ;

value_box
    : VALUETYPE_BOX identifier simple_type_spec SEMI
                                        { $$ = wrap_named(new ValueBoxTypeSpec(*$2, *$3)); }
    ;

value_forward
    : VALUETYPE_FORWARD identifier SEMI { $$ = wrap_named(new ForwardTypeSpec(*$2, Value_TypeSpecTag)); }
    ;

value_dcl
    : value_header CURLBRA value_element_STAR CURLKET SEMI
                                        {
                                            ConValueHeader* h = $1;
                                            $$ = wrap_named(new ValueTypeSpec(*h->id, h->modifiers, *h->bases,
                                                                              *h->supports, *$3));
                                            delete h;
                                        }
    ;

value_header
    : VALUETYPE identifier supports_OPT {
                                            unsigned m = $<word>1 == 1   ? unsigned(ValueTypeSpec::ABSTRACT)
                                                         : $<word>1 == 2 ? unsigned(ValueTypeSpec::CUSTOM)
                                                                         : 0u;
                                            $$ = new ConValueHeader{m, $2, &ScopedNameList::null, $3};
                                        }
    | VALUETYPE identifier COLON TRUNCATABLE_OPT scoped_name_LIST supports_OPT
                                        {
                                            unsigned m = $<word>1 == 1   ? unsigned(ValueTypeSpec::ABSTRACT)
                                                         : $<word>1 == 2 ? unsigned(ValueTypeSpec::CUSTOM)
                                                                         : 0u;
                                            if ($4) {
                                                if (m == ValueTypeSpec::CUSTOM)
                                                    msg::error($<loc>4, "a custom value type cannot be truncatable");
                                                else if (m == ValueTypeSpec::ABSTRACT)
                                                    msg::error($<loc>4, "an abstract value type cannot be truncatable");
                                                else
                                                    m |= ValueTypeSpec::TRUNCATABLE;
                                            }
                                            $$ = new ConValueHeader{m, $2, $5, $6};
                                        }
    ;

TRUNCATABLE_OPT
    : empty                             { $$ = 0; }
    | TRUNCATABLE                       { $$ = 1; $<loc>$ = $1; }
    ;

supports_OPT
    : empty                             { $$ = &ScopedNameList::null; }
    | SUPPORTS scoped_name_LIST         { $$ = $2; }
    ;

value_element
    : export
    | state_member
    | init_dcl
    ;

state_member
    : PUBLIC type_spec declarators SEMI { $$ = new Decl(Decl::STATE_PUBLIC, *$2, *$3); }
    | PRIVATE type_spec declarators SEMI
                                        { $$ = new Decl(Decl::STATE_PRIVATE, *$2, *$3); }
    ;

init_dcl
    : FACTORY identifier parameter_dcls raises_expr_OPT SEMI
                                        {
                                            Declarator* op = new OpDeclarator(*$2, Description::null, *$3, *$4,
                                                                              StringValueList::null);
                                            $$ = new Decl(Decl::FACTORY, *new VoidTypeSpec($1),
                                                          *new DeclaratorList(*op));
                                        }
    ;

interface
    : interface_dcl
    | forward_dcl
    ;

interface_dcl
    : interface_header CURLBRA interface_body CURLKET SEMI
                                        {
                                            InterfaceTypeSpec* iface = new InterfaceTypeSpec(*$1->id, *$1->desc,
                                                                                             *$1->bases, *$3);
                                            if ($1->local) iface->set_local();
                                            if ($1->abstract) iface->set_abstract();
                                            $$ = wrap_named(iface);
                                            delete $1;
                                        }
    ;

forward_dcl
    : INTERFACE identifier SEMI         {
                                            /* The token's word is 1 after "local" (-fcorba3). */
                                            ForwardTypeSpec* forward = new ForwardTypeSpec(*$2);
                                            if ($<word>1 == 1) forward->set_local();
                                            $$ = wrap_named(forward);
                                        }
    ;

interface_header
    : INTERFACE identifier inheritance_spec_OPT description_OPT
                                        { $$ = new ConInterfaceHeader{$2, $3, $4, $<word>1 == 1, $<word>1 == 2}; }
    ;

interface_body
    : export_STAR
    ;

export
    : type_dcl
    | native_dcl
    | const_dcl
    | except_dcl
    | attr_dcl
    | op_dcl
    | error SEMI                        { $$ = &Decl::error; }
    ;

inheritance_spec
    : COLON scoped_name_LIST            { $$ = $2; }
    ;

scoped_name
    : identifier                        { $$ = new ScopedName(0, *$1); }
    | SCOPE identifier                  { $$ = new ScopedName(1, *$2); }
    | scoped_name SCOPE identifier      { $1->append(*$3); $$ = $1; }
    ;

/* Constants and expressions */

const_dcl
    : CONST const_type_spec identifier ASSIGN const_exp description_OPT SEMI
                                        {
                                            Declarator* d = new InitDeclarator(*$3, *$6, *$5);
                                            $$ = new Decl(Decl::CONST, *$2, *new DeclaratorList(*d));
                                        }
    ;

const_type_spec
    : octet_type
    | integer_type
    | char_type
    | boolean_type
    | floating_pt_type
    | string_type
    | FIXED                             { $$ = new FixedTypeSpec($1); }
    | scoped_name                       { $$ = new ScopedNameTypeSpec(*$1); }
    ;

const_exp
    : or_expr
    ;

or_expr
    : xor_expr
    | or_expr BITOR xor_expr            { $$ = new BinaryOpExpr(*$1, BinaryOp_bitor, *$3); }
    ;

xor_expr
    : and_expr
    | xor_expr BITXOR and_expr          { $$ = new BinaryOpExpr(*$1, BinaryOp_bitxor, *$3); }
    ;

and_expr
    : shift_expr
    | and_expr BITAND shift_expr        { $$ = new BinaryOpExpr(*$1, BinaryOp_bitand, *$3); }
    ;

shift_expr
    : add_expr
    | shift_expr LEFTSHIFT add_expr     { $$ = new BinaryOpExpr(*$1, BinaryOp_leftshift, *$3); }
    | shift_expr RIGHTSHIFT add_expr    { $$ = new BinaryOpExpr(*$1, BinaryOp_rightshift, *$3); }
    ;

add_expr
    : mult_expr
    | add_expr PLUS mult_expr           { $$ = new BinaryOpExpr(*$1, BinaryOp_plus, *$3); }
    | add_expr MINUS mult_expr          { $$ = new BinaryOpExpr(*$1, BinaryOp_minus, *$3); }
    ;

mult_expr
    : unary_expr
    | mult_expr MULTIPLY unary_expr     { $$ = new BinaryOpExpr(*$1, BinaryOp_multiply, *$3); }
    | mult_expr DIVIDE unary_expr       { $$ = new BinaryOpExpr(*$1, BinaryOp_divide, *$3); }
    | mult_expr MODULUS unary_expr      { $$ = new BinaryOpExpr(*$1, BinaryOp_modulus, *$3); }
    ;

unary_expr
    : unary_operator primary_expr       { $$ = new UnaryOpExpr($1, *$2); }
    | primary_expr
    ;

unary_operator
    : MINUS                             { $$ = UnaryOp_minus; }
    | PLUS                              { $$ = UnaryOp_plus; }
    | BITCOMPL                          { $$ = UnaryOp_bitcompl; }
    ;

primary_expr
    : scoped_name                       { $$ = new ScopedNameExpr(*$1); }
    | literal                           { $$ = new ValueExpr(*$1); }
    | BRA const_exp KET                 { $$ = $2; }
    ;

literal
    : integer_literal
    | string_literal
    | character_literal
    | floating_pt_literal
    | fixed_pt_literal
    | boolean_literal
    ;

boolean_literal
    : TRUE_LITERAL                      { $$ = new BoolValue(1, $1); }
    | FALSE_LITERAL                     { $$ = new BoolValue(0, $1); }
    ;

positive_int_const
    : const_exp
    ;

/* Types and declarators */

type_dcl
    : TYPEDEF type_declarator SEMI      {
                                            $$ = new Decl(Decl::TYPEDEF, *$2->type, *$2->declarators);
                                            delete $2;
                                        }
    | struct_type SEMI                  { $$ = new Decl(*$1); }
    | union_type SEMI                   { $$ = new Decl(*$1); }
    | enum_type SEMI                    { $$ = new Decl(*$1); }
    | FORWARD_STRUCT identifier SEMI    { $$ = wrap_named(new ForwardTypeSpec(*$2, Struct_TypeSpecTag)); }
    | FORWARD_UNION identifier SEMI     { $$ = wrap_named(new ForwardTypeSpec(*$2, Union_TypeSpecTag)); }
    ;

type_declarator
    : type_spec declarators             { $$ = new ConTypeDeclarator{$1, $2}; }
    ;

type_spec
    : simple_type_spec
    | constr_type_spec
    ;

simple_type_spec
    : base_type_spec
    | template_type_spec
    | scoped_name                       { $$ = new ScopedNameTypeSpec(*$1); }
    ;

base_type_spec
    : floating_pt_type
    | integer_type
    | char_type
    | boolean_type
    | octet_type
    | any_type
    ;

template_type_spec
    : sequence_type
    | string_type
    | fixed_pt_type
    ;

fixed_pt_type
    : FIXED LT positive_int_const COMMA const_exp GT
                                        { $$ = new FixedTypeSpec(*$3, *$5, $1); }
    ;

constr_type_spec
    : struct_type
    | union_type
    | enum_type
    ;

declarators
    : declarator_LIST
    ;

declarator
    : simple_declarator
    | complex_declarator
    ;

simple_declarator
    : identifier description_OPT        {
                                            $$ = new SimpleDeclarator(*$1, *$2);
                                            $$->set_envfile(con_envfile);
                                        }
    ;

complex_declarator
    : array_declarator
    ;

floating_pt_type
    : FLOAT                             { $$ = new BaseTypeSpec(float_BaseTypeSpec, $1); }
    | DOUBLE                            { $$ = new BaseTypeSpec(double_BaseTypeSpec, $1); }
    ;

integer_type
    : UNSIGNED_OPT SHORT                { $$ = new BaseTypeSpec($1 ? ushort_BaseTypeSpec : short_BaseTypeSpec, $2); }
    | UNSIGNED_OPT LONG                 { $$ = new BaseTypeSpec($1 ? ulong_BaseTypeSpec : long_BaseTypeSpec, $2); }
    | UNSIGNED_OPT LONG LONG            {
                                            $$ = new BaseTypeSpec($1 ? ulonglong_BaseTypeSpec : longlong_BaseTypeSpec,
                                                                  $2);
                                        }
    ;

char_type
    : CHAR                              { $$ = new BaseTypeSpec(char_BaseTypeSpec, $1); }
    | WCHAR                             { $$ = new BaseTypeSpec(wchar_BaseTypeSpec, $1); }
    ;

boolean_type
    : BOOLEAN                           { $$ = new BaseTypeSpec(boolean_BaseTypeSpec, $1); }
    ;

octet_type
    : OCTET                             { $$ = new BaseTypeSpec(octet_BaseTypeSpec, $1); }
    ;

any_type
    : ANY                               { $$ = new BaseTypeSpec(any_BaseTypeSpec, $1); }
    ;

struct_type
    : STRUCT identifier description_OPT CURLBRA member_list CURLKET
                                        { $$ = new StructTypeSpec(*$2, *$3, *$5); }
    ;

member_list
    : member_PLUS
    ;

member
    : type_spec declarators SEMI        { $$ = new Decl(*$1, *$2); }
    | error SEMI                        { $$ = &Decl::error; }
    ;

union_type
    : UNION identifier description_OPT SWITCH BRA switch_type_spec KET CURLBRA switch_body CURLKET
                                        { $$ = new UnionTypeSpec(*$2, *$3, *$6, *$9); }
    ;

switch_type_spec
    : integer_type
    | char_type
    | boolean_type
    | enum_type
    | scoped_name                       { $$ = new ScopedNameTypeSpec(*$1); }
    ;

switch_body
    : case_PLUS
    ;

case
    : case_label_PLUS element_spec SEMI { $$ = new UnionCase(*$1, *$2); }
    ;

case_label
    : CASE const_exp COLON              { $$ = $2; }
    | DEFAULT COLON                     { $$ = new DefaultExpr($1); }
    ;

element_spec
    : type_spec declarator              { $$ = new Decl(*$1, *new DeclaratorList(*$2)); }
    ;

enum_type
    : ENUM identifier description_OPT CURLBRA enumerator_LIST CURLKET
                                        { $$ = new EnumTypeSpec(*$2, *$3, *$5); }
    ;

enumerator
    : identifier
    ;

sequence_type
    : SEQUENCE LT simple_type_spec COMMA positive_int_const GT
                                        { $$ = new SequenceTypeSpec(*$3, *$5); }
    | SEQUENCE LT simple_type_spec GT   { $$ = new SequenceTypeSpec(*$3); }
    ;

string_type
    : STRING LT positive_int_const GT   { $$ = new StringTypeSpec(*$3); }
    | STRING                            { $$ = new StringTypeSpec($1); }
    | WSTRING LT positive_int_const GT  { $$ = new StringTypeSpec(*$3, true); }
    | WSTRING                           { $$ = new StringTypeSpec($1, true); }
    ;

array_declarator
    : identifier fixed_array_size_PLUS description_OPT
                                        { $$ = new ArrayDeclarator(*$1, *$3, *$2); }
    ;

fixed_array_size
    : SQBRA positive_int_const SQKET    { $$ = $2; }
    ;

/* Interface contents */

attr_dcl
    : READONLY_OPT ATTRIBUTE param_type_spec simple_declarator_LIST SEMI
                                        { $$ = new Decl(Decl::ATTRIBUTE | $1, *$3, *$4); }
    ;

except_dcl
    : EXCEPTION identifier description_OPT CURLBRA member_STAR CURLKET SEMI
                                        { $$ = wrap_named(new ExceptionTypeSpec(*$2, *$3, *$5)); }
    ;

op_dcl
    : op_signature description_OPT SEMI {
                                            ConOpSignature* s = $1;
                                            Declarator* op = new OpDeclarator(*s->id, *$2, *s->params,
                                                                              *s->raises, *s->context);
                                            $$ = new Decl(s->flags, *s->result, *new DeclaratorList(*op));
                                            op->set_envfile(con_envfile);
                                            delete s;
                                        }
    ;

op_signature
    : op_attribute_STAR op_type_spec identifier parameter_dcls raises_expr_OPT context_expr_OPT
                                        { $$ = new ConOpSignature{$1, $2, $3, $4, $5, $6}; }
    ;

op_attribute
    : ONEWAY                            { $$ = Decl::ONEWAY; }
    ;

op_type_spec
    : param_type_spec
    | VOID                              { $$ = new VoidTypeSpec($1); }
    ;

parameter_dcls
    : BRA param_dcl_LIST KET            { $$ = $2; }
    | BRA KET                           { $$ = new DeclList; }
    ;

param_dcl
    : param_attribute param_type_spec simple_declarator
                                        { $$ = new Decl($1, *$2, *new DeclaratorList(*$3)); }
    ;

param_attribute
    : IN                                { $$ = Decl::PARAM_IN; }
    | OUT                               { $$ = Decl::PARAM_OUT; }
    | INOUT                             { $$ = Decl::PARAM_INOUT; }
    | identifier                        { $$ = ParameterAttribute::parse(*$1); }
    ;

raises_expr
    : RAISES BRA scoped_name_LIST KET   { $$ = $3; }
    ;

context_expr
    : CONTEXT BRA string_literal_LIST KET
                                        { $$ = $3; }
    ;

param_type_spec
    : base_type_spec
    | string_type
    | scoped_name                       { $$ = new ScopedNameTypeSpec(*$1); }
    ;

/* Pragmas, terminals and descriptions */

pragma_prefix
    : PRAGMA_PREFIX
    ;

pragma_serverless
    : PRAGMA_SERVERLESS
    ;

pragma_javaPackage
    : PRAGMA_JAVAPACKAGE
    ;

pragma_builtin
    : PRAGMA_BUILTIN                    { $$ = $1->toDecl(*con_reader); }
    ;

pragma_import
    : PRAGMA_IMPORT                     { $$ = wrap_named(new ImportTypeSpec(*$1, *con_reader)); }
    ;

empty
    : %empty
    ;

identifier
    : IDENTIFIER
    ;

character_literal
    : CHARACTER_LITERAL
    ;

floating_pt_literal
    : FLOATING_PT_LITERAL
    ;

fixed_pt_literal
    : FIXED_PT_LITERAL
    ;

integer_literal
    : INTEGER_LITERAL
    ;

string_literal
    : STRING_LITERAL
    ;

description
    : DESCRIPTION_HEAD DESCRIPTION_BODY_STAR DESCRIPTION_TAIL
                                        { $$ = new Description(*$2, $1); delete $2; }
    ;

DESCRIPTION_BODY_STAR
    : DESCRIPTION_BODY
    | DESCRIPTION_BODY_STAR DESCRIPTION_BODY
                                        {
                                            $$ = new String(*$1 + *$2);
                                            delete $1;
                                            delete $2;
                                        }
    ;

/* Lists and options */

declarator_LIST
    : declarator                        { $$ = new DeclaratorList(*$1); }
    | declarator_LIST COMMA declarator  { $1->append(*$3); $$ = $1; }
    ;

simple_declarator_LIST
    : simple_declarator                 { $$ = new DeclaratorList(*$1); }
    | simple_declarator_LIST COMMA simple_declarator
                                        { $1->append(*$3); $$ = $1; }
    ;

enumerator_LIST
    : enumerator                        { $$ = new IdList(*$1); }
    | enumerator_LIST COMMA enumerator  { $1->append(*$3); $$ = $1; }
    ;

param_dcl_LIST
    : param_dcl                         { $$ = new DeclList(*$1); }
    | param_dcl_LIST COMMA param_dcl    { $1->append(*$3); $$ = $1; }
    ;

scoped_name_LIST
    : scoped_name                       { $$ = new ScopedNameList(*$1); }
    | scoped_name_LIST COMMA scoped_name
                                        { $1->append(*$3); $$ = $1; }
    ;

string_literal_LIST
    : string_literal                    { $$ = new StringValueList(StringValue::narrow(*$1)); }
    | string_literal_LIST COMMA string_literal
                                        { $1->append(StringValue::narrow(*$3)); $$ = $1; }
    ;

case_PLUS
    : case                              { $$ = new UnionCaseList(*$1); }
    | case_PLUS case                    { $1->append(*$2); $$ = $1; }
    ;

case_label_PLUS
    : case_label                        { $$ = new ExprList(*$1); }
    | case_label_PLUS case_label        { $1->append(*$2); $$ = $1; }
    ;

fixed_array_size_PLUS
    : fixed_array_size                  { $$ = new ExprList(*$1); }
    | fixed_array_size_PLUS fixed_array_size
                                        { $1->append(*$2); $$ = $1; }
    ;

definition_PLUS
    : definition                        { $$ = new DefinitionList(*$1); }
    | definition_PLUS definition        { $1->append(*$2); $$ = $1; }
    ;

member_PLUS
    : member                            { $$ = new DeclList(*$1); }
    | member_PLUS member                { $1->append(*$2); $$ = $1; }
    ;

export_STAR
    : empty                             { $$ = &DeclList::null; }
    | export_STAR export                { $$ = append_decl($1, $2); }
    ;

value_element_STAR
    : empty                             { $$ = &DeclList::null; }
    | value_element_STAR value_element  { $$ = append_decl($1, $2); }
    ;

member_STAR
    : empty                             { $$ = &DeclList::null; }
    | member_STAR member                { $$ = append_decl($1, $2); }
    ;

op_attribute_STAR
    : empty                             { $$ = 0; }
    | op_attribute_STAR op_attribute    { $$ = $1 | $2; }
    ;

context_expr_OPT
    : empty                             { $$ = &StringValueList::null; }
    | context_expr
    ;

description_OPT
    : empty                             { $$ = &Description::null; }
    | description
    ;

inheritance_spec_OPT
    : empty                             { $$ = &ScopedNameList::null; }
    | inheritance_spec
    ;

raises_expr_OPT
    : empty                             { $$ = &ScopedNameList::null; }
    | raises_expr
    ;

READONLY_OPT
    : empty                             { $$ = 0; }
    | READONLY                          { $$ = Decl::READONLY; }
    ;

UNSIGNED_OPT
    : empty                             { $$ = 0; }
    | UNSIGNED                          { $$ = 1; }
    ;

%%

void con_error(const char* text) {
    if (con_syntax_error_reported) {
        con_syntax_error_reported = false;
        return;
    }
    msg::error(SrcLoc(*con_filename, con_lineno), "%s", text);
}

DefinitionList* parse_contract_file(File& file, const String& name, Reader& reader, EnvFile& envfile) {
    if (!static_cast<FILE*>(file)) {
        msg::error("cannot read `%s'", name.chars());
        return nullptr;
    }
    return parse_contract_stream(file, name, reader, envfile);
}

DefinitionList* parse_contract_stream(FILE* in, const String& name, Reader& reader, EnvFile& envfile) {
    con_lexer_start(in, name);
    con_reader = &reader;
    con_envfile = &envfile;
    con_debug = debug_conparse ? 1 : 0;
    con_result = nullptr;
    int failed = con_parse();
    RepositoryDirectives::attach(failed ? nullptr : con_result);
    return failed ? nullptr : con_result;
}
