// A declarator's environment attributes: its own annotations, and otherwise
// what its environment file answers for its full name.
#include <iostream>
#include <memory>

#include "ast/env/envattr.h"
#include "ast/env/envfile.h"
#include "lib/msg.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"

// Traces every attribute attached to a declarator; for debugging only.
static const int debug_set_env_attr = 0;

EnvAttr* Declarator::get_env_attr(const String& key, int flag) const {
    if (EnvAttr* own = EnvAttr::get_annotation(*this, key)) return own;
    if (!envfile) return nullptr;
    std::unique_ptr<ScopedName> name(get_full_name());
    return envfile->attr_lookup(*name, key, flag);
}

void Declarator::set_env_attr(const EnvAttr& attr) {
    if (EnvAttr* first = EnvAttr::get_annotation(*this, attr.get_key())) {
        msg::error(get_loc(), "attribute specified more than once: %s", attr.get_key().chars());
        msg::inform(first->get_loc(), "... here was the first specification");
        msg::inform(attr.get_loc(), "... here was an additional specification");
        return;
    }
    if (debug_set_env_attr)
        std::cerr << "setting " << attr.get_key().chars() << "=" << attr.get_value().chars() << " for "
                  << abbrev_text().chars() << "\n";
    EnvAttr::set_annotation(*this, attr);
}
