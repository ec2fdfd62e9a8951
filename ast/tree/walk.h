// One walk over nested declarations: the declarations of a list and, depth
// first in source order, the declarations their types contain.  The walker
// alone knows, in one switch, what each kind of type contains: a module its
// definitions, an interface its exports, a struct or an exception its
// members, a union the elements of its cases.  Its stack is explicit, so
// deeply nested input cannot exhaust the machine stack.
#ifndef QUORVEX_AST_WALK_H
#define QUORVEX_AST_WALK_H

class Decl;
class DeclList;
class TypeSpec;

class DeclWalker {
public:
    // Walks every declaration of the list, and what they contain.
    void walk(const DeclList& decls);
    // Walks one declaration, and what it contains.
    void walk(const Decl& decl);

protected:
    ~DeclWalker() = default;

    // Called for each declaration, with the type whose body holds it (null
    // for the declarations the walk started from); returns whether to walk
    // the declarations that the declaration's type contains.
    virtual bool enter(const Decl& decl, const TypeSpec* container) = 0;
    // Called after the declarations nested in `decl`, when enter returned
    // true.
    virtual void leave(const Decl& decl) {}

private:
    struct Frame;
    static Frame contents(const TypeSpec& ts);
    void run(const Frame& first, const Decl* leaving);
};

#endif
