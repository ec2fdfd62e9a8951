#include <ostream>

#include "ast/tree/types.h"

// BaseTypeSpec

const char* BaseTypeSpec::keyword(BaseTypeSpec_tag tag) {
    static const char* const words[] = {"boolean", "char",  "double", "float",          "octet",         "any",
                                        "short",   "long",  "long long", "unsigned short", "unsigned long",
                                        "unsigned long long", "wchar"};
    int i = static_cast<int>(tag);
    return i >= 0 && i < 13 ? words[i] : "???";
}

bool BaseTypeSpec::operator==(TypeSpec& other) {
    return BaseTypeSpec::is(other) && BaseTypeSpec::narrow(other).base_tag == base_tag;
}

void BaseTypeSpec::print(std::ostream& out) const { out << keyword(base_tag); }
