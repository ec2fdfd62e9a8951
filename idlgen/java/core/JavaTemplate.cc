#include "idlgen/java/core/JavaTemplate.h"

#include <ostream>
#include <sstream>

#include "ast/input/msg.h"
#include "ast/tree/printable.h"

JavaTemplate& JavaTemplate::set(const char* name, const String& value) {
    for (auto& v : values)
        if (v.first == name) {
            v.second = value;
            return *this;
        }
    values.emplace_back(name, value);
    return *this;
}

JavaTemplate& JavaTemplate::set(const char* name, const Printable& value) { return set(name, value.full_text()); }

JavaTemplate& JavaTemplate::set(const char* name, int value) { return set(name, String(std::to_string(value))); }

const String* JavaTemplate::lookup(const std::string& name) const {
    for (const auto& v : values)
        if (v.first == name) return &v.second;
    return nullptr;
}

void JavaTemplate::print(std::ostream& out) const { print(out, text); }

void JavaTemplate::print(std::ostream& out, const char* other) const {
    const char* p = other;
    while (*p) {
        const char* dollar = p;
        while (*dollar && *dollar != '$') ++dollar;
        out.write(p, dollar - p);
        if (!*dollar) break;
        if (dollar[1] == '$') {
            out << '$';
            p = dollar + 2;
            continue;
        }
        if (dollar[1] != '{') msg::panic("JavaTemplate::print: stray `$' in template");
        const char* close = dollar + 2;
        while (*close && *close != '}') ++close;
        if (!*close) msg::panic("JavaTemplate::print: unterminated placeholder");
        std::string name(dollar + 2, close);
        const String* value = lookup(name);
        if (!value) msg::panic("JavaTemplate::print: no value for `%s'", name.c_str());
        out << *value;
        p = close + 1;
    }
}

String JavaTemplate::toString() const {
    std::ostringstream out;
    print(out);
    return String(out.str());
}

String JavaTemplate::toString(const char* other) const {
    std::ostringstream out;
    print(out, other);
    return String(out.str());
}

std::ostream& operator<<(std::ostream& out, const JavaTemplate& t) {
    t.print(out);
    return out;
}
