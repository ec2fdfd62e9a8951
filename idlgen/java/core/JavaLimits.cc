#include "idlgen/java/core/JavaLimits.h"

#include "ast/expr/expr.h"
#include "ast/input/confile.h"
#include "ast/names/scopedname.h"
#include "ast/tree/decl.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "ast/tree/walk.h"
#include "idlgen/java/core/JavaDecl.h"
#include "lib/msg.h"

namespace {

const char* const slotsNote = "long long, unsigned long long and double take two";
const char* const codeNote = "the class file's 64 KiB code limit";

// The slots a value of the type takes as a Java parameter: two for the
// 64-bit integers and double, one for anything else (an array or any
// reference).
int slots(const TypeSpec& type) {
    const TypeSpec* ts = &type;
    for (int hops = 0; ScopedNameTypeSpec::is(*ts) && hops < 1000; ++hops) {
        const Declarator* d = ts->unwrap();
        if (!d || d == &Declarator::bad || ArrayDeclarator::is(*d) || !d->has_typespec()) return 1;
        ts = &d->get_typespec();
    }
    if (!BaseTypeSpec::is(*ts)) return 1;
    BaseTypeSpec_tag tag = BaseTypeSpec::narrow(*ts).get_base_tag();
    return tag == longlong_BaseTypeSpec || tag == ulonglong_BaseTypeSpec || tag == double_BaseTypeSpec ? 2 : 1;
}

// The slots of a struct's or exception's constructor: one parameter per
// member declarator.
int memberSlots(const DeclList& members) {
    int total = 0;
    for (DLListIter<Decl> it(members); it; it.next())
        for (DLListIter<Declarator> d(it.entry().get_declarators()); d; d.next())
            total += ArrayDeclarator::is(d.entry()) ? 1 : slots(it.entry().get_typespec());
    return total;
}

// The operations and accessors an interface declares.
int ownOperations(const InterfaceTypeSpec& iface) {
    int count = 0;
    for (DLListIter<Decl> it(iface.get_exports()); it; it.next()) {
        const Decl& decl = it.entry();
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            if (OpDeclarator::is(d.entry()))
                ++count;
            else if (decl.get_flags() == Decl::ATTRIBUTE)
                count += 2;
            else if (decl.get_flags() == Decl::READONLY_ATTRIBUTE)
                ++count;
        }
    }
    return count;
}

// ... and those of its bases.
int operations(const InterfaceTypeSpec& iface) {
    int count = ownOperations(iface);
    if (iface.fully_defined())
        for (DLListIter<IntfInherit> it(iface.get_inherit_list()); it; it.next())
            count += ownOperations(it.entry().get_interface());
    return count;
}

// The parameter slots of an operation; out and inout parameters travel in
// Holders.
int parameterSlots(const OpDeclarator& op) {
    int total = 0;
    for (DLListIter<Decl> p(op.get_params()); p; p.next()) {
        const Decl& param = p.entry();
        int each = param.get_flags() == Decl::PARAM_IN ? slots(param.get_typespec()) : 1;
        total += each * param.get_declarators().length();
    }
    return total;
}

struct Check : DeclWalker {
    explicit Check(const ConFile& file) : file(file) {}
    const ConFile& file;
    bool ok = true;

    void refuse(const SrcLoc& loc, const char* fmt, const char* name, int have, int most, const char* note) {
        msg::error(loc, fmt, name, have, most, note);
        ok = false;
    }

    void checkType(const TypeSpec& ts) {
        const char* name = ts.get_name().as_charP();
        if (StructTypeSpec::is(ts) || ExceptionTypeSpec::is(ts)) {
            int n = memberSlots(StructTypeSpec::is(ts) ? StructTypeSpec::narrow(ts).get_members()
                                                       : ExceptionTypeSpec::narrow(ts).get_members());
            if (n > JavaLimits::maxParameterSlots)
                refuse(ts.get_loc(),
                       StructTypeSpec::is(ts)
                           ? "struct `%s' has members of %d parameter slots; a Java constructor takes at most %d (%s)"
                           : "exception `%s' has members of %d parameter slots; a Java constructor takes at most %d (%s)",
                       name, n, JavaLimits::maxParameterSlots, slotsNote);
        } else if (EnumTypeSpec::is(ts)) {
            int n = EnumTypeSpec::narrow(ts).get_entries().length();
            if (n > JavaLimits::maxEnumerators)
                refuse(ts.get_loc(), "enum `%s' has %d enumerators; a Java class initializer holds at most %d (%s)",
                       name, n, JavaLimits::maxEnumerators, codeNote);
        } else if (UnionTypeSpec::is(ts)) {
            int n = 0;
            for (DLListIter<UnionCase> it(UnionTypeSpec::narrow(ts).get_cases()); it; it.next())
                n += it.entry().get_labels().length();
            if (n > JavaLimits::maxUnionLabels)
                refuse(ts.get_loc(), "union `%s' has %d labels; its Java Helper reads at most %d (%s)", name, n,
                       JavaLimits::maxUnionLabels, codeNote);
        } else if (InterfaceTypeSpec::is(ts)) {
            int n = operations(InterfaceTypeSpec::narrow(ts));
            if (n > JavaLimits::maxOperations)
                refuse(ts.get_loc(),
                       "interface `%s' has %d operations and accessors; its Java skeleton dispatches at most %d (%s)",
                       name, n, JavaLimits::maxOperations, codeNote);
        }
    }

    bool enter(const Decl& decl, const TypeSpec*) override {
        if (decl.is_error() || JavaDecl::project(decl).getLoc().get_file() != file.get_name()) return false;
        const TypeSpec& ts = decl.get_typespec();
        if (ts.defines_name()) checkType(ts);
        for (DLListIter<Declarator> d(decl.get_declarators()); d; d.next()) {
            if (!OpDeclarator::is(d.entry())) continue;
            int n = parameterSlots(OpDeclarator::narrow(d.entry()));
            if (n > JavaLimits::maxParameterSlots)
                refuse(d.entry().get_loc(), "operation `%s' has parameters of %d slots; a Java method takes at most %d (%s)",
                       d.entry().get_name().as_charP(), n, JavaLimits::maxParameterSlots, slotsNote);
        }
        return true;
    }
};

}  // namespace

bool JavaLimits::check(const ConFile& file, const DeclList& decls) {
    Check check(file);
    check.walk(decls);
    return check.ok;
}
