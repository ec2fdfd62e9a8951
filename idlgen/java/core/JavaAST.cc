#include "idlgen/java/core/JavaAST.h"

#include <ostream>

#include "lib/msg.h"
#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaDeclarator.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaTemplate.h"

const char* const JavaASTData::propertyName = "JavaASTData";

// The Java name of a node that may name a class: its own, or its typedef's.
static JavaName* definedName(const TypeSpec& ts) {
    if (ts.defines_name()) return new JavaName(NamedTypeSpec::narrow(ts));
    // An anonymous type that a typedef introduces is named after the
    // typedef's first simple declarator, whose Holder holds the type's
    // values (an array declarator before it names an array of them), else
    // after its first declarator.
    if (ts.has_decl() && ts.get_decl().is_typedef()) {
        const DeclaratorList& declarators = ts.get_decl().get_declarators();
        for (DLListIter<Declarator> it(declarators); it; it.next())
            if (SimpleDeclarator::is(it.entry())) return new JavaName(it.entry());
        Declarator* first = declarators.first();
        if (first) return new JavaName(*first);
    }
    return nullptr;
}

JavaAST::JavaAST(const TypeSpec& ts) : typeSpec(&ts) {}

bool JavaAST::definesName() const { return typeSpec->defines_name(); }

JavaDecl& JavaAST::getDecl() const { return JavaDecl::project(typeSpec->get_decl()); }

void* JavaAST::getData(const char* key) const { return typeSpec->get_data(key); }

void JavaAST::setData(const char* key, void* data) const { typeSpec->set_data(key, data); }

// The name is settled when first asked for: a type declared with a name
// of its own, or an anonymous one a typedef introduces, has one; the kinds
// named otherwise (base types, strings, scoped names ...) override
// getJavaName.
JavaName JavaAST::getJavaName() const {
    auto* data = static_cast<JavaASTData*>(getData(JavaASTData::propertyName));
    if (!data) {
        data = new JavaASTData(definedName(*typeSpec));
        setData(JavaASTData::propertyName, data);
    }
    if (!data->name) msg::panic("JavaAST::getJavaName: no name: %s", describe());
    return *data->name;
}

// JavaNamedAST

JavaNamedAST::JavaNamedAST(const NamedTypeSpec& ts) : JavaAST(ts) {}

const NamedTypeSpec& JavaNamedAST::getNamedTypeSpec() const { return NamedTypeSpec::narrow(getTypeSpec()); }

JavaDeclarator& JavaNamedAST::getDeclarator() const {
    return JavaDeclarator::project(getNamedTypeSpec().get_declarator());
}

JavaDeclarator& JavaNamedAST::unwrap() const { return JavaDeclarator::project(*getTypeSpec().unwrap()); }

void JavaNamedAST::printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                const String& indent) const {
    JavaTemplate("${indent}${Helper}.${write}(${stream}, ${variable});\n")
        .set("indent", indent)
        .set("Helper", JavaLib::helper(getJavaName()))
        .set("write", JavaLib::marshal())
        .set("stream", stream)
        .set("variable", variable.toString())
        .print(out);
}

void JavaNamedAST::printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                                  const String& indent) const {
    JavaTemplate("${indent}${variable} = ${Helper}.${read}(${stream});\n")
        .set("indent", indent)
        .set("Helper", JavaLib::helper(getJavaName()))
        .set("read", JavaLib::unmarshal())
        .set("stream", stream)
        .set("variable", variable.toString())
        .print(out);
}
