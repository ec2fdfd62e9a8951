// Every tree node carries a small property list of named data slots, where
// the environment annotations and the generators' cached names are kept.
#ifndef QUORVEX_AST_ASTITEM_H
#define QUORVEX_AST_ASTITEM_H

#include <cstring>
#include <utility>
#include <vector>

class ASTItem {
public:
    virtual ~ASTItem() = default;

    // The data stored under key, or null.
    void* get_data(const char* key) const {
        for (const auto& p : properties)
            if (std::strcmp(p.first, key) == 0) return p.second;
        return nullptr;
    }
    // Stores data under key, replacing an earlier value.  The key text must
    // outlive the node (the keys in use are string literals).
    void set_data(const char* key, void* data) const {
        for (auto& p : properties)
            if (std::strcmp(p.first, key) == 0) {
                p.second = data;
                return;
            }
        properties.emplace_back(key, data);
    }

private:
    // Generators annotate nodes they only see through const references.
    mutable std::vector<std::pair<const char*, void*>> properties;
};

#endif
