#include "ast/env/envannotation.h"

#include "ast/env/envattr.h"
#include "ast/tree/astitem.h"

const char* const EnvAnnotation::property_name = "Environment Annotation Name Space";

EnvAnnotation* EnvAnnotation::of(const ASTItem& item, bool create) {
    auto* annotation = static_cast<EnvAnnotation*>(item.get_data(property_name));
    if (!annotation && create) {
        annotation = new EnvAnnotation;
        item.set_data(property_name, annotation);
    }
    return annotation;
}

void EnvAnnotation::add(EnvAttr& attr) {
    attrs.push_back(&attr);
    first_by_key.emplace(attr.get_key(), &attr);
}

EnvAttr* EnvAnnotation::find(const String& key) const {
    auto it = first_by_key.find(key);
    return it == first_by_key.end() ? nullptr : it->second;
}
