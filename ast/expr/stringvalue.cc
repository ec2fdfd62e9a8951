#include <ostream>

#include "ast/expr/charescape.h"
#include "ast/expr/value.h"

StringValueList StringValueList::null;

StringValue::StringValue(const char* text, const SrcLoc& loc) : Value(loc), text(text) {}

bool StringValue::operator==(const Value& other) const {
    return is(other) && narrow(other).text == text;
}

void StringValue::print(std::ostream& out) const { out << text; }

std::string StringValue::get_contents() const {
    std::string contents;
    const char* p = text.chars();
    if (*p == '"') ++p;
    while (*p && *p != '"') contents += static_cast<char>(CharEscape::decode(p, &p));
    return contents;
}

void StringValue::print_java(std::ostream& out) const {
    out << '"';
    for (char c : get_contents()) CharEscape::print_java(out, static_cast<unsigned char>(c));
    out << '"';
}

StringValue& StringValue::narrow(Value& v) {
    if (!is(v)) narrow_fault("StringValue", v);
    return static_cast<StringValue&>(v);
}

const StringValue& StringValue::narrow(const Value& v) {
    if (!is(v)) narrow_fault("StringValue", v);
    return static_cast<const StringValue&>(v);
}

void StringValueList::print(std::ostream& out) const {
    const char* sep = "";
    for (DLListIter<StringValue> it(*this); it; it.next()) {
        out << sep << it.entry();
        sep = ", ";
    }
}
