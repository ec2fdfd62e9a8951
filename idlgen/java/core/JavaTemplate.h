// A Java text with named placeholders, so that each generator's output
// reads like the Java it produces:
//
//     JavaTemplate("public final class ${Item} {\n").set("Item", item).print(out);
//
// "${name}" is replaced by the value set for name; "$$" stands for a single
// "$".  A placeholder without a value is an internal error.
#ifndef QUORVEX_IDLGEN_JAVATEMPLATE_H
#define QUORVEX_IDLGEN_JAVATEMPLATE_H

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "lib/String.h"

class Printable;

class JavaTemplate {
public:
    explicit JavaTemplate(const char* text) : text(text) { values.reserve(8); }

    JavaTemplate& set(const char* name, const String& value) { return set(name, String(value)); }
    JavaTemplate& set(const char* name, String&& value);
    JavaTemplate& set(const char* name, const char* value) { return set(name, String(value)); }
    JavaTemplate& set(const char* name, const Printable& value);
    JavaTemplate& set(const char* name, int value);

    // Prints the text with every placeholder filled in.
    void print(std::ostream& out) const;
    // Prints another text with the values set here.
    void print(std::ostream& out, const char* other) const;
    String toString() const;
    // Another text with the values set here.
    String toString(const char* other) const;

private:
    struct Value {
        const char* name;  // a string literal
        size_t length;
        String text;
    };
    const String* lookup(const char* name, size_t length) const;
    // Appends `other` with the placeholders filled in to `out`.
    void expand(std::string& out, const char* other) const;

    const char* text;
    std::vector<Value> values;
};

std::ostream& operator<<(std::ostream& out, const JavaTemplate& t);

#endif
