// The names every IDL file receives before its own definitions: Object,
// any, TypeCode and Principal, builtin types mapped to fixed Java classes.
#ifndef QUORVEX_AST_PREDEFINED_H
#define QUORVEX_AST_PREDEFINED_H

class DefinitionList;
class Reader;

class PredefinedTypes {
public:
    // Puts the predefined declarations at the front of the list, which then
    // begins with Principal, TypeCode, any, Object; returns the list.
    static DefinitionList* add(DefinitionList* list, Reader& reader);
    static DefinitionList& add(DefinitionList& list, Reader& reader) { return *add(&list, reader); }
};

#endif
