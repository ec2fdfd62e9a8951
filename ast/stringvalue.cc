#include <ostream>

#include "value.h"

StringValueList StringValueList::null;

StringValue::StringValue(const char* text, const SrcLoc& loc) : Value(loc), text(text) {}

bool StringValue::operator==(const Value& other) const {
    return is(other) && narrow(other).text == text;
}

void StringValue::print(std::ostream& out) const { out << text; }

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
