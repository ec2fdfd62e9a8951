#include "ast/pragma/repositorydirective.h"

#include <unordered_map>

namespace {

struct ScopeNode {
    int parent;
    std::string name;
};

std::vector<ScopeNode>& scope_nodes() {
    static std::vector<ScopeNode> nodes;
    return nodes;
}

std::vector<RepositoryDirective>& pending() {
    static std::vector<RepositoryDirective> list;
    return list;
}

std::unordered_map<const DefinitionList*, std::vector<RepositoryDirective>>& by_file() {
    static std::unordered_map<const DefinitionList*, std::vector<RepositoryDirective>> files;
    return files;
}

}  // namespace

const char* RepositoryDirective::what() const {
    switch (kind) {
    case id:
        return "#pragma ID";
    case version:
        return "#pragma version";
    case prefix:
        return "typeprefix";
    }
    return "";
}

int RepositoryDirectives::enter_scope(int parent, const std::string& name) {
    scope_nodes().push_back(ScopeNode{parent, name});
    return static_cast<int>(scope_nodes().size()) - 1;
}

std::vector<std::string> RepositoryDirectives::scope_path(int scope) {
    std::vector<std::string> path;
    for (int at = scope; at >= 0; at = scope_nodes()[static_cast<size_t>(at)].parent)
        path.push_back(scope_nodes()[static_cast<size_t>(at)].name);
    return std::vector<std::string>(path.rbegin(), path.rend());
}

void RepositoryDirectives::add(const RepositoryDirective& directive) { pending().push_back(directive); }

void RepositoryDirectives::attach(const DefinitionList* list) {
    if (list && !pending().empty()) {
        std::vector<RepositoryDirective>& to = by_file()[list];
        for (RepositoryDirective& d : pending()) to.push_back(std::move(d));
    }
    pending().clear();
}

const std::vector<RepositoryDirective>* RepositoryDirectives::of(const DefinitionList& list) {
    auto it = by_file().find(&list);
    return it == by_file().end() ? nullptr : &it->second;
}
