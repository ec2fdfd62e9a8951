// Types: base types, strings and sequences, references to
// names, and the named constructs (module, interface, struct, union, enum,
// exception, forward declaration, import) that open a scope.  The
// generators switch on get_tag() and follow unwrap() to the real definition
// behind typedefs, forward declarations and imports.
#ifndef QUORVEX_AST_TYPES_H
#define QUORVEX_AST_TYPES_H

#include <iosfwd>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ast/input/description.h"
#include "lib/srcloc.h"
#include "ast/names/id.h"
#include "ast/tree/astitem.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/printable.h"
#include "lib/AddressMap.h"
#include "lib/String.h"
#include "lib/dllist.h"
#include "lib/tbl.h"

class DefinitionList;
class Expr;
class ExprList;
class Reader;
class Scope;
class ScopedName;
class ScopedNameList;

enum TypeSpecTag {
    Base_TypeSpecTag = 0,
    Builtin_TypeSpecTag = 1,
    Enum_TypeSpecTag = 2,
    Exception_TypeSpecTag = 3,
    Forward_TypeSpecTag = 4,
    Import_TypeSpecTag = 5,
    Interface_TypeSpecTag = 6,
    Module_TypeSpecTag = 7,
    ScopedName_TypeSpecTag = 8,
    Sequence_TypeSpecTag = 9,
    Struct_TypeSpecTag = 10,
    String_TypeSpecTag = 11,
    Union_TypeSpecTag = 12,
    Void_TypeSpecTag = 13,
    ValueBox_TypeSpecTag = 14,
    Value_TypeSpecTag = 15,
    Fixed_TypeSpecTag = 16  // only with -fcorba3
};

class TypeSpec : public ASTItem {
public:
    TypeSpec() = default;

    virtual bool operator==(TypeSpec& other);
    virtual const SrcLoc& get_loc() const = 0;
    virtual bool defines_name() const { return false; }
    virtual Id& get_name() const;
    virtual Declarator& get_declarator() const;
    virtual bool is_data_type() const { return true; }
    virtual bool is_named_scope() const { return false; }
    virtual void final_check() {}
    virtual bool overload_ok(Declarator& other) const { return false; }
    virtual Declarator* resolve(const Id& id) const { return nullptr; }
    virtual void resolve_names(Scope& scope) {}
    virtual Declarator* unwrap() const;
    virtual TypeSpecTag get_tag() const = 0;

    bool operator!=(TypeSpec& other) { return !(*this == other); }

    bool has_decl() const { return decl != nullptr; }
    Decl& get_decl() const;
    // The owning declaration.  A later call replaces an earlier one: an enum
    // defined as a union's switch type is re-wrapped to get a container.
    void set_decl(Decl* d) { decl = d; }

    static const char* tag_name(TypeSpecTag tag);

    // Ends the run: a type was narrowed to a class it is not.
    [[noreturn]] void narrow_fault(const char* expected) const;

protected:
    // Whether two string or sequence bounds make the types equal.
    static bool same_bound(Expr* a, Expr* b);

private:
    Decl* decl = nullptr;
};

enum BaseTypeSpec_tag {
    boolean_BaseTypeSpec = 0,
    char_BaseTypeSpec = 1,
    double_BaseTypeSpec = 2,
    float_BaseTypeSpec = 3,
    octet_BaseTypeSpec = 4,
    any_BaseTypeSpec = 5,
    short_BaseTypeSpec = 6,
    long_BaseTypeSpec = 7,
    longlong_BaseTypeSpec = 8,
    ushort_BaseTypeSpec = 9,
    ulong_BaseTypeSpec = 10,
    ulonglong_BaseTypeSpec = 11,
    wchar_BaseTypeSpec = 12  // only with -fcorba3
};

class BaseTypeSpec : public TypeSpec {
public:
    BaseTypeSpec(BaseTypeSpec_tag tag, const SrcLoc& loc) : base_tag(tag), loc(loc) {}
    BaseTypeSpec(int tag, const SrcLoc& loc) : base_tag(static_cast<BaseTypeSpec_tag>(tag)), loc(loc) {}

    bool operator==(TypeSpec& other) override;
    const SrcLoc& get_loc() const override { return loc; }
    TypeSpecTag get_tag() const override { return Base_TypeSpecTag; }
    void print(std::ostream& out) const override;

    BaseTypeSpec_tag get_base_tag() const { return base_tag; }
    static const char* keyword(BaseTypeSpec_tag tag);

    static bool is(const TypeSpec& t) { return t.get_tag() == Base_TypeSpecTag; }
    static BaseTypeSpec& narrow(TypeSpec& t);
    static const BaseTypeSpec& narrow(const TypeSpec& t);

private:
    BaseTypeSpec_tag base_tag;
    SrcLoc loc;
};

class ImportTypeSpec;

// A type implemented by a given Java class (#pragma builtin), or, with
// -fcorba3, a native type (`native Name;`), whose Java class only the ORB
// modules' own natives have.
class BuiltinTypeSpec : public TypeSpec {
public:
    BuiltinTypeSpec(ImportTypeSpec& import, const SrcLoc& loc) : import(&import), loc(loc) {}

    const SrcLoc& get_loc() const override { return loc; }
    TypeSpecTag get_tag() const override { return Builtin_TypeSpecTag; }
    void print(std::ostream& out) const override;

    ImportTypeSpec& get_import() const { return *import; }
    bool is_native() const { return native; }
    void set_native() { native = true; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Builtin_TypeSpecTag; }
    static BuiltinTypeSpec& narrow(TypeSpec& t);
    static const BuiltinTypeSpec& narrow(const TypeSpec& t);

private:
    ImportTypeSpec* import;
    SrcLoc loc;
    bool native = false;
};

class ScopedName;

// Base of every construct with a name; it owns the construct's declarator.
class NamedTypeSpec : public TypeSpec {
public:
    NamedTypeSpec(Id& name, Description& desc);

    const SrcLoc& get_loc() const override { return name->get_loc(); }
    bool defines_name() const override { return true; }
    Id& get_name() const override { return *name; }
    Declarator& get_declarator() const override { return *declarator; }
    bool is_named_scope() const override { return true; }
    Declarator* unwrap() const override { return declarator; }

    Description& get_desc() const { return *desc; }
    // The own declarator's full scoped name, computed once.
    ScopedName& get_full_name() const;

    static bool is(const TypeSpec& t) { return t.defines_name(); }
    static NamedTypeSpec& narrow(TypeSpec& t);
    static const NamedTypeSpec& narrow(const TypeSpec& t);

protected:
    // Declares the own declarator in scope.
    void declare_self(Scope& scope);
    // Whether other's full name differs from this type's.
    bool full_name_differs(Declarator& other) const;

private:
    Id* name;
    Description* desc;
    TypeSpecDeclarator* declarator;
    mutable ScopedName* full_name = nullptr;
};

class EnumTypeSpec : public NamedTypeSpec {
public:
    EnumTypeSpec(Id& name, Description& desc, IdList& enumerators);

    bool overload_ok(Declarator& other) const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Enum_TypeSpecTag; }
    void print(std::ostream& out) const override;

    IdList& get_enumerators() const { return *enumerators; }
    DeclaratorList& get_entries() const { return *entries; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Enum_TypeSpecTag; }
    static EnumTypeSpec& narrow(TypeSpec& t);
    static const EnumTypeSpec& narrow(const TypeSpec& t);

private:
    IdList* enumerators;
    DeclaratorList* entries;
    // The first enumerator of each name, built on the first lookup.
    mutable AddressMap<Declarator*> index;
    mutable bool indexed = false;
};

class ExceptionTypeSpec : public NamedTypeSpec {
public:
    ExceptionTypeSpec(Id& name, Description& desc, DeclList& members);

    bool is_data_type() const override { return false; }
    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Exception_TypeSpecTag; }
    void print(std::ostream& out) const override;

    DeclList& get_members() const { return *members; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Exception_TypeSpecTag; }
    static ExceptionTypeSpec& narrow(TypeSpec& t);
    static const ExceptionTypeSpec& narrow(const TypeSpec& t);

private:
    DeclList* members;
};

// A forward declaration of an interface, or with -fcorba3 of a struct or a
// union (`kind` is the tag of the type it announces).
class ForwardTypeSpec : public NamedTypeSpec {
public:
    explicit ForwardTypeSpec(Id& name, TypeSpecTag kind = Interface_TypeSpecTag);

    bool overload_ok(Declarator& other) const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    Declarator* unwrap() const override;
    TypeSpecTag get_tag() const override { return Forward_TypeSpecTag; }
    void print(std::ostream& out) const override;

    // The defining declarator, once seen (null before).
    Declarator* get_definition() const { return definition; }
    // An interface with no definition (yet) under -fcorba3: unwrap() gives
    // the forward declaration's own declarator, which stands for the
    // interface as an object reference.
    bool is_undefined_interface() const;
    TypeSpecTag get_kind() const { return kind; }
    // A forward declaration of a local interface.
    bool is_local() const { return local; }
    void set_local() { local = true; }
    // Whether other is a forward declaration of a struct or union of the
    // given kind (a definition accepts its forward declarations).
    static bool announces(const Declarator& other, TypeSpecTag kind);

    static bool is(const TypeSpec& t) { return t.get_tag() == Forward_TypeSpecTag; }
    static ForwardTypeSpec& narrow(TypeSpec& t);
    static const ForwardTypeSpec& narrow(const TypeSpec& t);

private:
    TypeSpecTag kind;
    bool local = false;
    mutable Declarator* definition = nullptr;
};

// A name imported from another IDL file (#pragma import) or a builtin.
class ImportTypeSpec : public NamedTypeSpec {
public:
    ImportTypeSpec(Id& name, Reader& reader);

    bool is_data_type() const override;
    bool is_named_scope() const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    Declarator* unwrap() const override;
    TypeSpecTag get_tag() const override { return Import_TypeSpecTag; }
    void print(std::ostream& out) const override;

    // Records the imported declarator; later unwraps return it.
    void set_import(Declarator* d) const { imported = d; }
    Reader& get_reader() const { return *reader; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Import_TypeSpecTag; }
    static ImportTypeSpec& narrow(TypeSpec& t);
    static const ImportTypeSpec& narrow(const TypeSpec& t);

private:
    Declarator* unwrap_builtin() const;
    Declarator* unwrap_import() const;

    Reader* reader;
    mutable Declarator* imported = nullptr;
};

class InterfaceTypeSpec;

// An interface in an inheritance list: direct (named in the interface's own
// list) or reached through a base.
class IntfInherit {
public:
    IntfInherit(int direct, InterfaceTypeSpec& iface) : direct(direct), iface(&iface) {}
    int is_direct() const { return direct; }
    InterfaceTypeSpec& get_interface() const { return *iface; }

private:
    int direct;
    InterfaceTypeSpec* iface;
};

// Every base of an interface, once each, sorted by the number of export
// declarations, larger first (arrival order among equals).
class IntfInheritList : public DLList<IntfInherit> {
public:
    void inherit(InterfaceTypeSpec& iface);
    bool contains(const InterfaceTypeSpec& iface) const { return members.count(&iface) != 0; }

private:
    void add(int direct, InterfaceTypeSpec& iface);
    std::unordered_set<const InterfaceTypeSpec*> members;
    // The last node of each export count, so that a new entry finds its
    // place without walking the list.
    std::map<int, GenDLListNode*> last_of_count;
};

// One name of an interface's export table: the declarator and the interface
// that declares it.  A derived interface's table holds its bases' entries
// themselves, so inheriting costs no entry of its own.
class IntfExport : public arena::Object {
public:
    IntfExport(Declarator& declarator, const InterfaceTypeSpec& declared_in)
        : declarator(&declarator), declared_in(&declared_in) {}

    Declarator& get_declarator() const { return *declarator; }
    const InterfaceTypeSpec& get_declaring_interface() const { return *declared_in; }
    const String& get_name() const;
    // Dispatch hashes: of the name for an operation; of "_get_" + name and
    // "_put_" + name for an attribute; 0 where they do not apply.  Computed
    // when asked: there is an entry per export and per inherited export.
    unsigned get_op_hash() const;
    unsigned get_get_hash() const;
    unsigned get_put_hash() const;

private:
    bool is_attribute() const;

    Declarator* declarator;
    const InterfaceTypeSpec* declared_in;
};

// Keyed by the names' comparison keys (Id::key_ptr).
class IntfExportTbl : public Tbl<const void*, IntfExport> {
public:
    explicit IntfExportTbl(const InterfaceTypeSpec& owner) : owner(&owner) {}

    // Adds, as inherited entries, those of other whose names are absent.
    void merge(const IntfExportTbl& other);
    // Whether the entry is declared by the table's own interface rather
    // than inherited.
    bool is_own(const IntfExport& e) const { return &e.get_declaring_interface() == owner; }

private:
    const InterfaceTypeSpec* owner;
};

class IntfExc {
public:
    explicit IntfExc(ExceptionTypeSpec& exc) : exc(&exc) {}
    ExceptionTypeSpec& get_exception() const { return *exc; }

private:
    ExceptionTypeSpec* exc;
};

class IntfExcTbl : public Tbl<const ExceptionTypeSpec*, IntfExc> {
public:
    void merge(const IntfExcTbl& other);
    void merge(const ExceptionTypeSpecTbl& raised);
    void add(ExceptionTypeSpec& exc);
};

class InterfaceTypeSpec : public NamedTypeSpec {
public:
    InterfaceTypeSpec(Id& name, Description& desc, ScopedNameList& bases, DeclList& exports);

    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Interface_TypeSpecTag; }
    void print(std::ostream& out) const override;

    ScopedNameList& get_bases() const { return *bases; }
    DeclList& get_exports() const { return *exports; }
    // A local interface (-fcorba3): its references never leave the process.
    bool is_local() const { return local; }
    void set_local() { local = true; }
    // An abstract interface (-fcorba3): what travels is an object reference
    // or a value that supports it.
    bool is_abstract() const { return abstract; }
    void set_abstract() { abstract = true; }
    bool fully_defined() const { return inherit_list != nullptr; }
    IntfInheritList& get_inherit_list() const;
    IntfExportTbl& get_export_tbl() const;
    IntfExcTbl& get_exception_tbl() const;

    void insert_export(Declarator& declarator);

    static bool is(const TypeSpec& t) { return t.get_tag() == Interface_TypeSpecTag; }
    static InterfaceTypeSpec& narrow(TypeSpec& t);
    static const InterfaceTypeSpec& narrow(const TypeSpec& t);

protected:
    // Makes the tables, declares the type and takes in the base (inherit
    // list and export tables); the caller checks that it is of the right kind.
    void start_tables(Scope& scope);
    void inherit(InterfaceTypeSpec& base);
    // The exports (bases' and own) into `inner`, then the own exports
    // resolved and entered into the tables.
    void resolve_exports(Scope& inner);
    // The interface a base names, once defined; null (reported) otherwise.
    InterfaceTypeSpec* defined_base(ScopedName& base, Scope& scope, const char* what);

private:
    ScopedNameList* bases;
    DeclList* exports;
    bool local = false;
    bool abstract = false;
    IntfInheritList* inherit_list = nullptr;
    IntfExportTbl* export_tbl = nullptr;
    IntfExcTbl* exception_tbl = nullptr;
};

// A value type (-fcorba3): state members (declarations whose word is
// Decl::STATE_PUBLIC or STATE_PRIVATE), initializers (operations whose word
// is Decl::FACTORY), operations, attributes and nested declarations.  It is
// an interface to name lookup: its export table holds its own declarations
// and those of its value bases and supported interfaces, all of which are
// in its inherit list.
class ValueTypeSpec : public InterfaceTypeSpec {
public:
    enum : unsigned { ABSTRACT = 0x1, CUSTOM = 0x2, TRUNCATABLE = 0x4 };

    ValueTypeSpec(Id& name, unsigned modifiers, ScopedNameList& bases, ScopedNameList& supports, DeclList& body);

    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Value_TypeSpecTag; }
    void print(std::ostream& out) const override;

    bool is_abstract_value() const { return (modifiers & ABSTRACT) != 0; }
    bool is_custom() const { return (modifiers & CUSTOM) != 0; }
    bool is_truncatable() const { return (modifiers & TRUNCATABLE) != 0; }
    ScopedNameList& get_supports() const { return *supports; }
    // The value bases named, in order: the concrete one, if any, first.
    const std::vector<ValueTypeSpec*>& get_value_bases() const { return value_bases; }
    ValueTypeSpec* get_concrete_base() const;
    // The interfaces named by `supports`, in order.
    const std::vector<InterfaceTypeSpec*>& get_supported() const { return supported; }
    // The state members, in order (the body's declarations so marked).
    DeclList& get_state() const { return *state; }
    bool has_initializers() const;
    // Whether the type or a value base declares an operation or attribute,
    // or supports an interface: the Java class has abstract methods then.
    bool has_operations() const;
    // The same, of its own declarations and supports alone.
    bool declares_operations() const;

    static bool is(const TypeSpec& t) { return t.get_tag() == Value_TypeSpecTag; }
    static ValueTypeSpec& narrow(TypeSpec& t);
    static const ValueTypeSpec& narrow(const TypeSpec& t);

private:
    unsigned modifiers;
    ScopedNameList* supports;
    DeclList* state;
    std::vector<ValueTypeSpec*> value_bases;
    std::vector<InterfaceTypeSpec*> supported;
};

// The first of the declarations, or of the enumerators of an enum declared
// among them, named id (the scope of a struct, union, exception or module
// as later CORBA versions search it).
Declarator* resolve_with_enumerators(const DeclList& decls, const Id& id);

// The local interface whose references a value of the type would carry
// (through typedefs, arrays and sequences), or null.
const Declarator* local_interface_of(const TypeSpec& ts);
// Reports every use of a local interface where its reference would travel:
// a parameter, result or attribute of an interface that is not local, a
// member of a struct, union or exception, a base of an interface that is
// not local.
void check_local_interfaces(const DeclList& decls);

// The dispatch hash of an operation or accessor name.
unsigned hash(const String& s);

class ModuleTypeSpec : public NamedTypeSpec {
public:
    ModuleTypeSpec(Id& name, Description& desc, DefinitionList& definitions);

    bool is_data_type() const override { return false; }
    void final_check() override;
    // With -fcorba3 a module may be reopened: another body of one module.
    bool overload_ok(Declarator& other) const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Module_TypeSpecTag; }
    void print(std::ostream& out) const override;

    DefinitionList& get_definitions() const { return *definitions; }
    DeclList& get_decls() const { return *decls; }
    // The first declaration named id in the bodies of this module that come
    // before this one (a reopened module sees what its earlier bodies
    // declared), or null.
    Declarator* resolve_earlier(const Id& id) const;

    static bool is(const TypeSpec& t) { return t.get_tag() == Module_TypeSpecTag; }
    static ModuleTypeSpec& narrow(TypeSpec& t);
    static const ModuleTypeSpec& narrow(const TypeSpec& t);

private:
    DefinitionList* definitions;
    DeclList* decls;
    // The bodies of a reopened module, in source order, kept by its first
    // body with one index of the names they declare (the first of each
    // name, with the number of its body); every later body points at the
    // first.  Null and this while the module has one body.
    struct Bodies {
        std::vector<const ModuleTypeSpec*> list;
        struct Entry {
            Declarator* declarator;
            size_t body;
        };
        AddressMap<Entry> names;
        size_t indexed = 0;  // the bodies in `names`
    };
    // The first declaration named id among the first `count` bodies.
    Declarator* resolve_in_bodies(const Id& id, size_t count) const;
    Bodies* bodies = nullptr;
    const ModuleTypeSpec* first_body = this;
    size_t body_number = 0;
    // For a file's own CORBA or PortableServer module (-fcorba3), the ORB's
    // module of that name, which supplies what the file does not declare.
    const ModuleTypeSpec* orb_part = nullptr;
};

class ScopedNameTypeSpec : public TypeSpec {
public:
    explicit ScopedNameTypeSpec(ScopedName& name) : name(&name) {}

    const SrcLoc& get_loc() const override;
    bool is_data_type() const override;
    bool is_named_scope() const override;
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    Declarator* unwrap() const override;
    TypeSpecTag get_tag() const override { return ScopedName_TypeSpecTag; }
    void print(std::ostream& out) const override;

    ScopedName& get_scoped_name() const { return *name; }

    static bool is(const TypeSpec& t) { return t.get_tag() == ScopedName_TypeSpecTag; }
    static ScopedNameTypeSpec& narrow(TypeSpec& t);
    static const ScopedNameTypeSpec& narrow(const TypeSpec& t);

private:
    ScopedName* name;
};

class SequenceTypeSpec : public TypeSpec {
public:
    SequenceTypeSpec(TypeSpec& element, Expr& bound) : element(&element), bound(&bound) {}
    explicit SequenceTypeSpec(TypeSpec& element) : element(&element) {}

    bool operator==(TypeSpec& other) override;
    const SrcLoc& get_loc() const override { return element->get_loc(); }
    void final_check() override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Sequence_TypeSpecTag; }
    void print(std::ostream& out) const override;

    TypeSpec& get_element_type() const { return *element; }
    bool is_bounded() const { return bound != nullptr; }
    Expr& get_upper_bound() const;

    static bool is(const TypeSpec& t) { return t.get_tag() == Sequence_TypeSpecTag; }
    static SequenceTypeSpec& narrow(TypeSpec& t);
    static const SequenceTypeSpec& narrow(const TypeSpec& t);

private:
    TypeSpec* element;
    Expr* bound = nullptr;
};

// A boxed value type (-fcorba3), "valuetype Name type;": a value of the
// boxed type that travels as a value, so that it may be null.
class ValueBoxTypeSpec : public NamedTypeSpec {
public:
    ValueBoxTypeSpec(Id& name, TypeSpec& boxed);

    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    bool is_named_scope() const override { return false; }
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return ValueBox_TypeSpecTag; }
    void print(std::ostream& out) const override;

    TypeSpec& get_boxed() const { return *boxed; }

    static bool is(const TypeSpec& t) { return t.get_tag() == ValueBox_TypeSpecTag; }
    static ValueBoxTypeSpec& narrow(TypeSpec& t);
    static const ValueBoxTypeSpec& narrow(const TypeSpec& t);

private:
    TypeSpec* boxed;
};

class StructTypeSpec : public NamedTypeSpec {
public:
    StructTypeSpec(Id& name, Description& desc, DeclList& members);

    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    // With -fcorba3, the types and enumerators declared among the members.
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Struct_TypeSpecTag; }
    void print(std::ostream& out) const override;

    DeclList& get_members() const { return *members; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Struct_TypeSpecTag; }
    static StructTypeSpec& narrow(TypeSpec& t);
    static const StructTypeSpec& narrow(const TypeSpec& t);

private:
    DeclList* members;
};

// A string, or with -fcorba3 a wide string (wstring).
class StringTypeSpec : public TypeSpec {
public:
    explicit StringTypeSpec(Expr& bound, bool wide = false);
    explicit StringTypeSpec(const SrcLoc& loc, bool wide = false) : loc(loc), wide(wide) {}

    bool operator==(TypeSpec& other) override;
    const SrcLoc& get_loc() const override { return loc; }
    void final_check() override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return String_TypeSpecTag; }
    void print(std::ostream& out) const override;

    bool is_bounded() const { return bound != nullptr; }
    Expr& get_upper_bound() const;
    bool is_wide() const { return wide; }

    static bool is(const TypeSpec& t) { return t.get_tag() == String_TypeSpecTag; }
    static StringTypeSpec& narrow(TypeSpec& t);
    static const StringTypeSpec& narrow(const TypeSpec& t);

private:
    Expr* bound = nullptr;
    SrcLoc loc;
    bool wide = false;
};

// A fixed-point type (-fcorba3): fixed<digits,scale>, or the bare "fixed"
// of a constant declaration, whose digits and scale are its value's.
class FixedTypeSpec : public TypeSpec {
public:
    FixedTypeSpec(Expr& digits, Expr& scale, const SrcLoc& loc) : digits(&digits), scale(&scale), loc(loc) {}
    explicit FixedTypeSpec(const SrcLoc& loc) : loc(loc) {}

    bool operator==(TypeSpec& other) override;
    const SrcLoc& get_loc() const override { return loc; }
    // Evaluates the digits (1 to 31) and the scale (0 to the digits).
    void final_check() override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Fixed_TypeSpecTag; }
    void print(std::ostream& out) const override;

    // False for the bare "fixed" of a constant.
    bool has_digits() const { return digits != nullptr; }
    // The digits and scale, once checked; 0 for the bare type or when
    // the check failed.
    int get_digits() const { return digits_value; }
    int get_scale() const { return scale_value; }

    // The most digits a fixed-point value has.
    static const int max_digits = 31;

    static bool is(const TypeSpec& t) { return t.get_tag() == Fixed_TypeSpecTag; }
    static FixedTypeSpec& narrow(TypeSpec& t);
    static const FixedTypeSpec& narrow(const TypeSpec& t);

private:
    Expr* digits = nullptr;
    Expr* scale = nullptr;
    SrcLoc loc;
    int digits_value = 0;
    int scale_value = 0;
};

// One case of a union: its labels (a DefaultExpr for "default:") and its
// element declaration.
class UnionCase : public ASTItem {
public:
    UnionCase(ExprList& labels, Decl& element) : labels(&labels), element(&element) {}

    ExprList& get_labels() const { return *labels; }
    Decl& get_element() const { return *element; }
    void resolve_names(Scope& scope);
    // `wide`: the discriminator is a 64-bit type.
    void final_check(bool wide);
    void print(std::ostream& out) const override;

private:
    ExprList* labels;
    Decl* element;
};

class UnionCaseList : public DLList<UnionCase>, public Printable {
public:
    UnionCaseList() = default;
    explicit UnionCaseList(UnionCase& first) : DLList<UnionCase>(first) {}
    void print(std::ostream& out) const override;
};

class UnionTypeSpec : public NamedTypeSpec {
public:
    UnionTypeSpec(Id& name, Description& desc, TypeSpec& switch_type, UnionCaseList& cases);

    void final_check() override;
    bool overload_ok(Declarator& other) const override;
    // With -fcorba3, an enum declared as the switch type, its enumerators,
    // and the types and enumerators declared in the cases.
    Declarator* resolve(const Id& id) const override;
    void resolve_names(Scope& scope) override;
    TypeSpecTag get_tag() const override { return Union_TypeSpecTag; }
    void print(std::ostream& out) const override;

    TypeSpec& get_switch_type() const { return *switch_type; }
    UnionCaseList& get_cases() const { return *cases; }

    static bool is(const TypeSpec& t) { return t.get_tag() == Union_TypeSpecTag; }
    static UnionTypeSpec& narrow(TypeSpec& t);
    static const UnionTypeSpec& narrow(const TypeSpec& t);

private:
    TypeSpec* switch_type;
    UnionCaseList* cases;
    // The names resolve() finds, the first of each, made on its first use.
    mutable AddressMap<Declarator*>* names = nullptr;
};

class VoidTypeSpec : public TypeSpec {
public:
    explicit VoidTypeSpec(const SrcLoc& loc) : loc(loc) {}

    bool operator==(TypeSpec& other) override;
    const SrcLoc& get_loc() const override { return loc; }
    bool is_data_type() const override { return false; }
    TypeSpecTag get_tag() const override { return Void_TypeSpecTag; }
    void print(std::ostream& out) const override;

    static bool is(const TypeSpec& t) { return t.get_tag() == Void_TypeSpecTag; }
    static VoidTypeSpec& narrow(TypeSpec& t);
    static const VoidTypeSpec& narrow(const TypeSpec& t);

private:
    SrcLoc loc;
};

#endif
