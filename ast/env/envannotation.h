// The environment attributes attached to one tree node, kept in the node's
// property list.  Attributes stay in the order attached; the first one of a
// key is found without a search, so a node may carry any number of them.
#ifndef QUORVEX_AST_ENVANNOTATION_H
#define QUORVEX_AST_ENVANNOTATION_H

#include <unordered_map>
#include <vector>

#include "lib/String.h"

class ASTItem;
class EnvAttr;

class EnvAnnotation {
public:
    // The name of the property that holds a node's annotations.
    static const char* const property_name;

    // The node's annotations; `create` makes an empty set on first use,
    // otherwise a node without annotations gives null.
    static EnvAnnotation* of(const ASTItem& item, bool create);

    void add(EnvAttr& attr);
    // Adds `attr` in place of every attribute with its key.
    void replace(EnvAttr& attr);
    // The first attribute added with this key, or null.
    EnvAttr* find(const String& key) const;
    const std::vector<EnvAttr*>& get_attrs() const { return attrs; }

private:
    std::vector<EnvAttr*> attrs;
    std::unordered_map<String, EnvAttr*> first_by_key;
};

#endif
