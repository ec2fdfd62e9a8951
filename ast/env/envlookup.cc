#include "ast/env/envlookup.h"

#include <climits>
#include <unordered_map>

#include "ast/env/envattr.h"
#include "ast/env/envattrentry.h"
#include "ast/env/envimportentry.h"
#include "lib/msg.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"

EnvAttr* EnvLookup::run(EnvFile& file, const ScopedName& name, int defaultable) {
    push(file, name, defaultable, nullptr, String());
    while (!stack.empty())
        if (EnvAttr* found = step()) return found;
    return nullptr;
}

void EnvLookup::push(EnvFile& file, const ScopedName& name, int defaultable, EnvFileTbl* visited,
                     const String& collection) {
    if (visited) {
        try {
            visited->insert(file.get_info(), file);
        } catch (Tbl_duplicate&) {
            msg::panic("attr_lookup: insert(%s) => tbl_duplicate", file.get_name().chars());
        }
    }
    stack.push_back(Frame{&file, &name, defaultable, visited, nullptr, file.entries_named(name), 0, 0, nullptr,
                          collection});
    if (!collection.empty()) active.emplace(&file, collection);
}

void EnvLookup::pop() {
    Frame& f = stack.back();
    if (!f.collection.empty()) {
        active.erase({f.file, f.collection});
        exhausted.emplace(f.file, f.collection);
    }
    stack.pop_back();
}

EnvFileTbl& EnvLookup::visited_of(Frame& f) {
    if (!f.visited) {
        f.own_visited.reset(new EnvFileTbl);
        f.own_visited->insert(f.file->get_info(), *f.file);
        f.visited = f.own_visited.get();
    }
    return *f.visited;
}

EnvAttr* EnvLookup::step() {
    Frame& f = stack.back();

    // Within a matching entry: its attributes and collection references in
    // source order.
    while (f.attr) {
        EnvAttr& attr = *static_cast<EnvAttr*>(f.attr->element);
        f.attr = f.attr->next;
        if (attr.is_collection_ref()) {
            String collection = Id::key_of(attr.get_key());
            if (active.count({f.file, collection}) || exhausted.count({f.file, collection})) continue;
            push(*f.file, collection_name(attr), f.defaultable, nullptr, collection);
            return nullptr;
        }
        if (attr.get_key() == key) {
            attr.set_envfile(*f.file);
            return &attr;
        }
    }

    // The next entry in file order: an attribute entry of this name or an
    // import.
    const std::vector<int>& imports = f.file->import_positions();
    int named_at = f.named && f.next_named < f.named->size() ? (*f.named)[f.next_named] : INT_MAX;
    int import_at = f.next_import < imports.size() ? imports[f.next_import] : INT_MAX;

    if (named_at < import_at) {
        ++f.next_named;
        EnvAttrEntry& entry = EnvAttrEntry::narrow(f.file->entry_at(named_at));
        if (entry.get_key() == *f.name) f.attr = entry.get_attrs().head();
        return nullptr;
    }
    if (import_at < named_at) {
        ++f.next_import;
        EnvFile* imported = EnvImportEntry::narrow(f.file->entry_at(import_at)).get_file(*f.file);
        if (imported && imported != f.file && !visited_of(f).contains(imported->get_info()))
            push(*imported, *f.name, f.defaultable, &visited_of(f), String());
        return nullptr;
    }

    // The file is searched.  A defaultable question goes on to the default
    // entry, in a search of its own that answers for this one.
    if (f.defaultable && *f.name != EnvFile::default_name()) {
        EnvFile& file = *f.file;
        String collection = f.collection;
        stack.pop_back();
        push(file, EnvFile::default_name(), 0, nullptr, String());
        stack.back().collection = collection;
        return nullptr;
    }
    pop();
    return nullptr;
}

const ScopedName& EnvLookup::collection_name(const EnvAttr& ref) {
    // One name per collection for the whole run.
    static std::unordered_map<String, ScopedName*> names;
    ScopedName*& name = names[ref.get_key()];
    if (!name) name = new ScopedName(1, *new Id(ref.get_key(), ref.get_loc()));
    return *name;
}
