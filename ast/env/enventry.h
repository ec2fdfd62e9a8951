// An entry of an environment file: an attribute entry or an import entry.
#ifndef QUORVEX_AST_ENVENTRY_H
#define QUORVEX_AST_ENVENTRY_H

#include "lib/dllist.h"

class EnvEntry {
public:
    virtual ~EnvEntry() = default;
    virtual bool is_attrEntry() const { return false; }
    virtual bool is_importEntry() const { return false; }
};

// The entries of one file, in source order.
class EnvEntryList : public DLList<EnvEntry> {};

#endif
