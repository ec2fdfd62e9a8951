// Documentation text attached to a declaration (a "/** ... */" comment).
#ifndef QUORVEX_AST_DESCRIPTION_H
#define QUORVEX_AST_DESCRIPTION_H

#include <iosfwd>

#include "lib/srcloc.h"
#include "ast/tree/astitem.h"
#include "ast/tree/printable.h"
#include "lib/String.h"

class Description : public ASTItem {
public:
    Description() = default;
    Description(const String& text, const SrcLoc& loc) : text(text), loc(loc) {}

    const String& get_text() const { return text; }
    const SrcLoc& get_loc() const { return loc; }
    bool is_null() const { return this == &null; }

    // Prints "{*" text "*}".
    void print(std::ostream& out) const override;

    // The shared empty description of declarations without one.
    static Description null;

private:
    String text;
    SrcLoc loc;
};

#endif
