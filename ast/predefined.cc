#include "predefined.h"

#include "JavaLib.h"
#include "JavaName.h"
#include "decl.h"
#include "definition.h"
#include "pragma.h"

DefinitionList* PredefinedTypes::add(DefinitionList* list, Reader& reader) {
    const struct {
        const char* name;
        const JavaName& (*java_class)();
    } predefined[] = {{"Object", &JavaLib::corbaObject},
                      {"any", &JavaLib::anyName},
                      {"TypeCode", &JavaLib::typeCodeName},
                      {"Principal", &JavaLib::principalName}};
    for (const auto& p : predefined) {
        PragmaBuiltin builtin(p.name, p.java_class().toString(), SrcLoc());
        list->insert(*new DeclDefinition(*builtin.toDecl(reader)));
    }
    return list;
}
