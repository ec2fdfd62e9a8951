#include "ast/pragma/repositorydirective.h"

#include <unordered_map>

namespace {

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
