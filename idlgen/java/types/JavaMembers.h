// The data members of a struct or exception as the generators walk them:
// every declaration in order and every declarator of it in order, each with
// its Java type and name.
#ifndef QUORVEX_IDLGEN_JAVAMEMBERS_H
#define QUORVEX_IDLGEN_JAVAMEMBERS_H

#include <iosfwd>
#include <vector>

#include "lib/String.h"

class DeclList;
class JavaAST;
class JavaDeclarator;

class JavaMembers {
public:
    struct Member {
        const JavaAST* type;           // the member's type; for an array declarator its array
        const JavaDeclarator* declarator;
        String javaType;               // [MType]: with "[]" per array dimension
        String item;                   // [MItem]
        int declIndex;                 // which declaration it belongs to
    };

    explicit JavaMembers(const DeclList& decls);

    const std::vector<Member>& get() const { return members; }
    bool empty() const { return members.empty(); }
    int declarationCount() const { return declarations; }

    // The member's printMarshal/printUnmarshal with variable "that." item.
    static void printMarshal(std::ostream& out, const Member& m, const char* stream, const String& indent);
    static void printUnmarshal(std::ostream& out, const Member& m, const char* stream, const String& indent);

private:
    std::vector<Member> members;
    int declarations = 0;
};

#endif
