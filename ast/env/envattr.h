// One environment attribute: a key, an optional value, where it was written
// and the environment file that supplied it.  Attributes reach declarators
// from environment files and from the pragma passes alike.
#ifndef QUORVEX_AST_ENVATTR_H
#define QUORVEX_AST_ENVATTR_H

#include <iosfwd>

#include "lib/srcloc.h"
#include "ast/tree/printable.h"
#include "lib/String.h"
#include "lib/dllist.h"

class ASTItem;
class EnvFile;

class EnvAttr : public Printable {
public:
    // `value` is empty for an attribute written without "= value".
    EnvAttr(const String& key, const String& value, const SrcLoc& loc);

    const String& get_key() const { return key; }
    const String& get_value() const { return value; }
    const SrcLoc& get_loc() const { return loc; }
    // The file that supplied the attribute; null until annotation or a
    // lookup records it.
    EnvFile* get_envfile() const { return envfile; }
    void set_envfile(EnvFile& f) { envfile = &f; }

    // A key beginning with '$' refers to the collection of that name.
    bool is_collection_ref() const { return !key.empty() && key[0] == '$'; }

    // The key, then "=" and the value when there is one.
    void print(std::ostream& out) const override;

    // A tree node's annotations.  set_annotation keeps a copy of `attr` on
    // the node; get_annotation returns the first one with the given key, or
    // null.
    static void set_annotation(const ASTItem& item, const EnvAttr& attr);
    static EnvAttr* get_annotation(const ASTItem& item, const String& key);
    // Like set_annotation, but a copy of `attr` takes the place of the
    // node's annotations with the same key.
    static void replace_annotation(const ASTItem& item, const EnvAttr& attr);

private:
    String key;
    String value;
    SrcLoc loc;
    EnvFile* envfile = nullptr;
};

// The attributes of one entry, in source order.
class EnvAttrList : public DLList<EnvAttr> {};

#endif
