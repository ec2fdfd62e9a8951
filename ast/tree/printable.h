// The text form of tree nodes, as messages quote them.
#ifndef QUORVEX_AST_PRINTABLE_H
#define QUORVEX_AST_PRINTABLE_H

#include <iosfwd>
#include <string>

#include "lib/String.h"

class Printable {
public:
    virtual ~Printable() = default;
    virtual void print(std::ostream& out) const = 0;

    // At most n-1 characters of the printed text, newlines turned to blanks;
    // a text that does not fit keeps its first n-4 characters and "...".
    String abbrev_text(int n = 32) const;
    // The whole printed text.
    String full_text() const;

    // The abbreviation abbrev_text makes of a text.
    static String abbreviate(std::string text, int n);
};

std::ostream& operator<<(std::ostream& out, const Printable& p);

// An integer printed as "0" when zero and otherwise as "0x%x".
class IntPrintable : public Printable {
public:
    explicit IntPrintable(unsigned v) : value(v) {}
    void print(std::ostream& out) const override;

private:
    unsigned value;
};

#endif
