// Every tree node carries a small property list of named data slots, where
// the environment annotations and the generators' cached names are kept.
// Nodes live for the whole run and are allocated from the arena; most never
// get a property, so the list is made on the first one.
#ifndef QUORVEX_AST_ASTITEM_H
#define QUORVEX_AST_ASTITEM_H

#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "ast/tree/printable.h"
#include "lib/Arena.h"

// Every node is printable; deriving from Printable here keeps one table of
// virtual functions per node.
class ASTItem : public Printable, public arena::Object {
public:
    ASTItem() = default;
    ASTItem(const ASTItem& other)
        : Printable(other), properties(other.properties ? new Properties(*other.properties) : nullptr) {}
    ASTItem& operator=(const ASTItem& other) {
        if (this != &other) properties.reset(other.properties ? new Properties(*other.properties) : nullptr);
        return *this;
    }
    ~ASTItem() override = default;

    // The data stored under key, or null.
    void* get_data(const char* key) const {
        if (!properties) return nullptr;
        for (const auto& p : *properties)
            if (std::strcmp(p.first, key) == 0) return p.second;
        return nullptr;
    }
    // Stores data under key, replacing an earlier value.  The key text must
    // outlive the node (the keys in use are string literals).
    void set_data(const char* key, void* data) const {
        if (!properties) properties.reset(new Properties);
        for (auto& p : *properties)
            if (std::strcmp(p.first, key) == 0) {
                p.second = data;
                return;
            }
        properties->emplace_back(key, data);
    }

private:
    using Properties = std::vector<std::pair<const char*, void*>>;
    // Generators annotate nodes they only see through const references.
    mutable std::unique_ptr<Properties> properties;
};

#endif
