// One question for an environment attribute: the attribute `key` for a
// name, asked of an environment file.
//
// The file's entries are searched in file order.  An attribute entry named
// like the name answers with its first attribute of that key, or with what
// a collection it lists before that attribute answers (the collection being
// looked up in the same file, afresh).  An import entry is searched where it
// stands, unless its file was already searched for this question.  When
// nothing answers and the question is defaultable, the file's `default`
// entry is asked last.  The first answer found ends the whole search.
//
// The search keeps its own stack, so long chains of imports or collections
// cannot exhaust the machine's.  A collection met again while it is being
// searched is passed over, and one that gave no answer is not searched again
// within the same question; so collections that list each other end.
#ifndef QUORVEX_AST_ENVLOOKUP_H
#define QUORVEX_AST_ENVLOOKUP_H

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "String.h"
#include "dllist.h"
#include "envfile.h"

class EnvAttr;
class EnvAttrEntry;
class ScopedName;

class EnvLookup {
public:
    explicit EnvLookup(const String& key) : key(key) {}

    EnvAttr* run(EnvFile& file, const ScopedName& name, int defaultable);

private:
    // The search of one file for one name.
    struct Frame {
        EnvFile* file;
        const ScopedName* name;
        int defaultable;
        EnvFileTbl* visited;                   // shared along a chain of imports
        std::unique_ptr<EnvFileTbl> own_visited;  // set when this search began afresh
        const std::vector<int>* named;         // attribute entries named like `name`
        size_t next_named = 0;
        size_t next_import = 0;
        GenDLListNode* attr = nullptr;         // next attribute of the current matching entry
        String collection;                     // the collection this frame searches, if any
    };

    void push(EnvFile& file, const ScopedName& name, int defaultable, EnvFileTbl* visited,
              const String& collection);
    void pop();
    // Advances the top frame: its answer, or null after it pushed a further
    // search or finished.
    EnvAttr* step();
    // The global one-component name of a collection reference.
    static const ScopedName& collection_name(const EnvAttr& ref);

    String key;
    std::vector<std::unique_ptr<Frame>> stack;
    // Collections being searched, and those that gave no answer, by file.
    std::set<std::pair<const EnvFile*, String>> active;
    std::set<std::pair<const EnvFile*, String>> exhausted;
};

#endif
