// An attribute entry: a scoped name and the attributes given to it.
#ifndef QUORVEX_AST_ENVATTRENTRY_H
#define QUORVEX_AST_ENVATTRENTRY_H

#include "ast/env/envattr.h"
#include "ast/env/enventry.h"

class ScopedName;

class EnvAttrEntry : public EnvEntry {
public:
    EnvAttrEntry(ScopedName& key, EnvAttrList& attrs) : key(&key), attrs(&attrs) {}

    bool is_attrEntry() const override { return true; }

    ScopedName& get_key() const { return *key; }
    EnvAttrList& get_attrs() const { return *attrs; }

    static EnvAttrEntry& narrow(EnvEntry& e) { return static_cast<EnvAttrEntry&>(e); }

private:
    ScopedName* key;
    EnvAttrList* attrs;
};

#endif
