// The names every IDL file receives before its own definitions: Object,
// any, TypeCode and Principal, builtin types.  The tree knows them by their
// IDL names only; the generator supplies the class each maps to.
#ifndef QUORVEX_AST_PREDEFINED_H
#define QUORVEX_AST_PREDEFINED_H

class DefinitionList;
class Reader;
class String;

class PredefinedTypes {
public:
    // Puts the predefined declarations at the front of the list, which then
    // begins with Principal, TypeCode, any, Object; returns the list.
    static DefinitionList* add(DefinitionList* list, Reader& reader);
    static DefinitionList& add(DefinitionList& list, Reader& reader) { return *add(&list, reader); }

    // The generator's class for a predefined IDL name, given to each
    // predefined declaration as its "java_class" attribute.  Set once, before
    // any file is read; unset, the declarations carry no class.
    using ClassOf = String (*)(const char* idl_name);
    static void set_class_of(ClassOf class_of);
};

#endif
