// One parsed environment file and the table of them.  An environment file
// annotates the declarations of each IDL file read with the attributes of
// its entries, and answers later questions for attributes of a name through
// its entries, its collections, the files it imports and its `default`
// entry.
#ifndef QUORVEX_AST_ENVFILE_H
#define QUORVEX_AST_ENVFILE_H

#include <unordered_map>
#include <vector>

#include "lib/fileinfo.h"
#include "lib/File.h"
#include "lib/String.h"
#include "lib/tbl.h"

class DeclList;
class Declarator;
class EnvAttr;
class EnvEntry;
class EnvEntryList;
class Reader;
class ScopedName;
class ScopedNameComponent;

class EnvFile {
public:
    // The empty environment, used when no environment file is given.
    EnvFile();
    // Reads and parses `file`; a file whose parse was abandoned has no
    // entries.
    EnvFile(const FileInfo& info, File& file, Reader& reader);
    EnvFile(const EnvFile&) = delete;
    EnvFile& operator=(const EnvFile&) = delete;

    const FileInfo& get_info() const { return info; }
    const String& get_name() const { return info.get_full_name(); }
    // The directory that holds the file ("" for the current directory);
    // imports are looked for there first.
    const String& get_path() const { return path; }
    const String& get_subdir() const { return info.get_subdir(); }
    Reader* get_reader() const { return reader; }
    const EnvEntryList& get_entries() const { return *entries; }

    // Attaches the attributes of every entry whose name denotes one of
    // `decls` (or a declaration nested in their modules and interfaces) to
    // that declarator; imported files annotate too, each file once.
    void annotate(DeclList& decls);

    // The attribute `key` for `name`, or null.  With `defaultable` set, the
    // `default` entry answers when nothing else does.
    EnvAttr* attr_lookup(const ScopedName& name, const String& key, int defaultable);

    // The declarator that the component chain ending in `last` names among
    // `decls`, looking into modules and interfaces only; null if none.
    static Declarator* external_weak_resolve(DeclList& decls, const ScopedNameComponent& last);

    // The name of the entry that supplies defaults.
    static const ScopedName& default_name();
    // A global name whose first component begins with '$'.
    static bool is_collection_name(const ScopedName& name);

    // Entry positions for lookups: the attribute entries named like `name`
    // and all import entries, each in file order.
    const std::vector<int>* entries_named(const ScopedName& name);
    const std::vector<int>& import_positions() const { return imports; }
    EnvEntry& entry_at(int position) const { return *entry_vec[static_cast<size_t>(position)]; }

private:
    void index_entries();

    FileInfo info;
    String path;
    Reader* reader = nullptr;
    EnvEntryList* entries;
    std::vector<EnvEntry*> entry_vec;
    std::vector<int> imports;
    // Attribute-entry positions by the index key of the entry's name; built
    // on the first lookup, when the comparison of identifiers is settled.
    std::unordered_map<String, std::vector<int>> by_name;
    bool named_index_built = false;
};

// Environment files by identity: the reader's table of files read, and the
// set of files visited by one annotation or lookup.
class EnvFileTbl : public Tbl<FileInfo, EnvFile> {};

#endif
