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

#include <deque>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ast/env/envfile.h"
#include "lib/String.h"
#include "lib/dllist.h"

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
        // The files already searched: shared along a chain of imports; a
        // search begun afresh makes its own set when it first meets an
        // import (until then it holds only `file`).
        EnvFileTbl* visited;
        std::unique_ptr<EnvFileTbl> own_visited;
        const std::vector<int>* named;  // attribute entries named like `name`
        size_t next_named;
        size_t next_import;
        GenDLListNode* attr;  // next attribute of the current matching entry
        String collection;    // the collection this frame searches, if any
    };
    using CollectionId = std::pair<const EnvFile*, String>;
    struct CollectionIdHash {
        size_t operator()(const CollectionId& c) const {
            return std::hash<const void*>()(c.first) ^ std::hash<String>()(c.second);
        }
    };

    void push(EnvFile& file, const ScopedName& name, int defaultable, EnvFileTbl* visited,
              const String& collection);
    void pop();
    EnvFileTbl& visited_of(Frame& f);
    // Advances the top frame: its answer, or null after it pushed a further
    // search or finished.
    EnvAttr* step();
    // The global one-component name of a collection reference.
    static const ScopedName& collection_name(const EnvAttr& ref);

    String key;
    std::deque<Frame> stack;
    // Collections being searched, and those that gave no answer, by file.
    std::unordered_set<CollectionId, CollectionIdHash> active;
    std::unordered_set<CollectionId, CollectionIdHash> exhausted;
};

#endif
