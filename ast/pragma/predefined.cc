#include "ast/pragma/predefined.h"

#include <cstring>

#include "ast/input/dialect.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"

static PredefinedTypes::ClassOf class_of_name = nullptr;

void PredefinedTypes::set_class_of(ClassOf class_of) { class_of_name = class_of; }

DefinitionList* PredefinedTypes::add(DefinitionList* list, Reader& reader) {
    // With -fcorba3 `ValueBase` names any value type.
    static const char* const predefined[] = {"Object", "any", "TypeCode", "Principal", "ValueBase"};
    for (const char* name : predefined) {
        if (!dialect::corba3() && std::strcmp(name, "ValueBase") == 0) continue;
        // With -fcorba3 `any` is only the keyword: the escaped identifier
        // `_any` names a declaration of the file's own.
        if (dialect::corba3() && std::strcmp(name, "any") == 0) continue;
        PragmaBuiltin builtin(name, class_of_name ? class_of_name(name) : String(), SrcLoc());
        list->insert(*new DeclDefinition(*builtin.toDecl(reader)));
    }
    return list;
}
