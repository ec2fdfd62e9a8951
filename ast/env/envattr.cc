#include "ast/env/envattr.h"

#include <ostream>

#include "ast/env/envannotation.h"

EnvAttr::EnvAttr(const String& k, const String& v, const SrcLoc& l) : key(k), value(v), loc(l) {}

void EnvAttr::print(std::ostream& out) const {
    out << key.chars();
    if (!value.empty()) out << '=' << value.chars();
}

void EnvAttr::set_annotation(const ASTItem& item, const EnvAttr& attr) {
    EnvAnnotation::of(item, true)->add(*new EnvAttr(attr));
}

void EnvAttr::replace_annotation(const ASTItem& item, const EnvAttr& attr) {
    EnvAnnotation::of(item, true)->replace(*new EnvAttr(attr));
}

EnvAttr* EnvAttr::get_annotation(const ASTItem& item, const String& key) {
    EnvAnnotation* annotation = EnvAnnotation::of(item, false);
    return annotation ? annotation->find(key) : nullptr;
}
