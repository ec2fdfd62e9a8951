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

void EnvAnnotation::replace(EnvAttr& attr) {
    std::vector<EnvAttr*> kept;
    for (EnvAttr* a : attrs)
        if (a->get_key() != attr.get_key()) kept.push_back(a);
    attrs.swap(kept);
    first_by_key.erase(attr.get_key());
    add(attr);
}

EnvAttr* EnvAnnotation::find(const String& key) const {
    auto it = first_by_key.find(key);
    return it == first_by_key.end() ? nullptr : it->second;
}
