#include "ast/pragma/predefined.h"

#include <cstring>

#include "ast/input/dialect.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/decl.h"
#include "ast/tree/definition.h"
#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"

DefinitionList* PredefinedTypes::add(DefinitionList* list, Reader& reader) {
    const struct {
        const char* name;
        const JavaName& (*java_class)();
    } predefined[] = {{"Object", &JavaLib::corbaObject},
                      {"any", &JavaLib::anyName},
                      {"TypeCode", &JavaLib::typeCodeName},
                      {"Principal", &JavaLib::principalName}};
    for (const auto& p : predefined) {
        // With -fcorba3 `any` is only the keyword: the escaped identifier
        // `_any` names a declaration of the file's own.
        if (dialect::corba3() && std::strcmp(p.name, "any") == 0) continue;
        PragmaBuiltin builtin(p.name, p.java_class().toString(), SrcLoc());
        list->insert(*new DeclDefinition(*builtin.toDecl(reader)));
    }
    return list;
}
