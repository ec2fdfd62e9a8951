#include "idlgen/java/core/JavaTemplate.h"

#include <cstring>
#include <ostream>

#include "lib/msg.h"
#include "ast/tree/printable.h"

JavaTemplate& JavaTemplate::set(const char* name, String&& value) {
    size_t length = std::strlen(name);
    for (auto& v : values)
        if (v.length == length && std::memcmp(v.name, name, length) == 0) {
            v.text = std::move(value);
            return *this;
        }
    values.push_back(Value{name, length, std::move(value)});
    return *this;
}

JavaTemplate& JavaTemplate::set(const char* name, const Printable& value) { return set(name, value.full_text()); }

JavaTemplate& JavaTemplate::set(const char* name, int value) { return set(name, String(std::to_string(value))); }

const String* JavaTemplate::lookup(const char* name, size_t length) const {
    for (const auto& v : values)
        if (v.length == length && std::memcmp(v.name, name, length) == 0) return &v.text;
    return nullptr;
}

// The text is built in a string and written at once: one write per
// template instead of one per piece.
void JavaTemplate::print(std::ostream& out) const { print(out, text); }

void JavaTemplate::print(std::ostream& out, const char* other) const {
    std::string text;
    text.reserve(std::strlen(other) + 64);
    expand(text, other);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void JavaTemplate::expand(std::string& out, const char* other) const {
    const char* p = other;
    while (*p) {
        const char* dollar = std::strchr(p, '$');
        if (!dollar) {
            out.append(p);
            break;
        }
        out.append(p, static_cast<size_t>(dollar - p));
        if (dollar[1] == '$') {
            out += '$';
            p = dollar + 2;
            continue;
        }
        if (dollar[1] != '{') msg::panic("JavaTemplate::print: stray `$' in template");
        const char* name = dollar + 2;
        const char* close = std::strchr(name, '}');
        if (!close) msg::panic("JavaTemplate::print: unterminated placeholder");
        const String* value = lookup(name, static_cast<size_t>(close - name));
        if (!value) msg::panic("JavaTemplate::print: no value for `%s'", std::string(name, close).c_str());
        out.append(value->str());
        p = close + 1;
    }
}

String JavaTemplate::toString() const { return toString(text); }

String JavaTemplate::toString(const char* other) const {
    std::string out;
    expand(out, other);
    return String(std::move(out));
}

std::ostream& operator<<(std::ostream& out, const JavaTemplate& t) {
    t.print(out);
    return out;
}
