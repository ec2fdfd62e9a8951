#include "ast/env/envfile.h"

#include "ast/env/envattr.h"
#include "ast/env/envattrentry.h"
#include "ast/env/envimportentry.h"
#include "ast/env/envlookup.h"
#include "ast/env/envparse.h"
#include "ast/env/envweakresolver.h"
#include "lib/msg.h"
#include "ast/input/reader.h"
#include "ast/names/id.h"
#include "ast/names/scopedname.h"
#include "ast/tree/declarator.h"

// The directory part of a file name, "/" for a file in the root directory.
static String directory_of(const FileInfo& info) {
    const String& name = info.get_full_name();
    if (info.get_subdir().empty() && !name.empty() && name[0] == '/') return String("/");
    return info.get_subdir();
}

EnvFile::EnvFile() : entries(new EnvEntryList) {}

EnvFile::EnvFile(const FileInfo& i, File& file, Reader& r) : info(i), path(directory_of(i)), reader(&r) {
    if (r.is_verbose()) msg::inform("reading env file `%s'", get_name().chars());
    entries = parse_env_file(get_name(), file);
    bool parsed = entries != nullptr;
    if (!parsed) entries = new EnvEntryList;
    // A preprocessor that failed may have handed over only part of the
    // file.  After an abandoned parse the failure adds nothing.
    if (!file.finish() && parsed) msg::error("preprocessing `%s' failed", get_name().chars());
    index_entries();
}

void EnvFile::index_entries() {
    for (DLListIter<EnvEntry> e(*entries); e; e.next()) {
        if (e.entry().is_importEntry()) imports.push_back(static_cast<int>(entry_vec.size()));
        entry_vec.push_back(e.ptr());
    }
}

// The text under which names are indexed: the components' identifier keys
// joined by "::", so that equal names have equal texts.
static String name_key(const ScopedName& name) {
    String key;
    for (int i = 0; i < name.length(); ++i) {
        if (i) key += "::";
        key += name.component(i).get_id().key();
    }
    return key;
}

const std::vector<int>* EnvFile::entries_named(const ScopedName& name) {
    if (!named_index_built) {
        named_index_built = true;
        for (size_t i = 0; i < entry_vec.size(); ++i)
            if (entry_vec[i]->is_attrEntry())
                by_name[name_key(EnvAttrEntry::narrow(*entry_vec[i]).get_key())].push_back(static_cast<int>(i));
    }
    auto it = by_name.find(name_key(name));
    return it == by_name.end() ? nullptr : &it->second;
}

const ScopedName& EnvFile::default_name() {
    static ScopedName* name = new ScopedName(0, *new Id("default", SrcLoc()));
    return *name;
}

bool EnvFile::is_collection_name(const ScopedName& name) {
    if (!name.is_global()) return false;
    const String& first = name.component(0).get_id().as_String();
    return !first.empty() && first[0] == '$';
}

Declarator* EnvFile::external_weak_resolve(DeclList& decls, const ScopedNameComponent& last) {
    return EnvWeakResolver(decls).resolve(last);
}

EnvAttr* EnvFile::attr_lookup(const ScopedName& name, const String& key, int defaultable) {
    return EnvLookup(key).run(*this, name, defaultable);
}

// One attribute entry during annotation: the declarator its name denotes
// receives its attributes.  The default entry and collections denote no
// declarator; their attributes only learn their file.
static void annotate_entry(EnvFile& file, EnvAttrEntry& entry, EnvWeakResolver& resolver) {
    const ScopedName& name = entry.get_key();
    bool special = name == EnvFile::default_name() || EnvFile::is_collection_name(name);
    Declarator* target = special ? nullptr : resolver.resolve(name);
    if (!special && !target) return;
    for (DLListIter<EnvAttr> a(entry.get_attrs()); a; a.next()) {
        a.entry().set_envfile(file);
        if (target) target->set_env_attr(a.entry());
    }
}

void EnvFile::annotate(DeclList& decls) {
    EnvFileTbl visited;
    EnvWeakResolver resolver(decls);

    // Each file's entries in order, an imported file annotating where its
    // import stands.  The files being worked through are kept on a stack of
    // their own, however long a chain of imports.
    struct Place {
        EnvFile* file;
        GenDLListNode* next;
    };
    std::vector<Place> stack;
    auto enter = [&](EnvFile& f) {
        try {
            visited.insert(f.get_info(), f);
        } catch (Tbl_duplicate&) {
            msg::panic("annotate: insert(%s) => tbl_duplicate", f.get_name().chars());
        }
        stack.push_back(Place{&f, f.entries->head()});
    };

    enter(*this);
    while (!stack.empty()) {
        Place& place = stack.back();
        if (!place.next) {
            stack.pop_back();
            continue;
        }
        EnvFile& file = *place.file;
        EnvEntry& entry = *static_cast<EnvEntry*>(place.next->element);
        place.next = place.next->next;

        if (entry.is_attrEntry()) {
            annotate_entry(file, EnvAttrEntry::narrow(entry), resolver);
        } else if (entry.is_importEntry()) {
            EnvImportEntry& import = EnvImportEntry::narrow(entry);
            EnvFile* imported = import.get_file(file);
            if (!imported)
                import.report_unreadable();
            else if (!visited.contains(imported->get_info()))
                enter(*imported);
        } else {
            msg::panic("EnvFile::EnvFile/unknown EnvEntry");
        }
    }
}
