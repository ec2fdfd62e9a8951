#include "idlgen/java/core/JavaShadowing.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "idlgen/java/core/JavaLib.h"
#include "idlgen/java/core/JavaName.h"

namespace {

struct Token {
    size_t start;
    size_t end;
    bool identifier;
};

bool identifierStart(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' || c >= 0x80;
}

bool identifierPart(unsigned char c) { return identifierStart(c) || (c >= '0' && c <= '9'); }

// The tokens of Java text that matter here: identifiers and single
// punctuation characters; comments, string and character literals and
// numbers are left out.
std::vector<Token> tokenize(const std::string& s) {
    std::vector<Token> tokens;
    size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            ++i;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '/') {
            size_t eol = s.find('\n', i);
            i = eol == std::string::npos ? n : eol;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            size_t close = s.find("*/", i + 2);
            i = close == std::string::npos ? n : close + 2;
        } else if (c == '"' || c == '\'') {
            for (++i; i < n && s[i] != static_cast<char>(c) && s[i] != '\n'; ++i)
                if (s[i] == '\\') ++i;
            ++i;
        } else if (c >= '0' && c <= '9') {
            while (i < n && (identifierPart(static_cast<unsigned char>(s[i])) || s[i] == '.')) ++i;
        } else if (identifierStart(c)) {
            size_t start = i;
            while (i < n && identifierPart(static_cast<unsigned char>(s[i]))) ++i;
            tokens.push_back({start, i, true});
        } else {
            tokens.push_back({i, i + 1, false});
            ++i;
        }
    }
    return tokens;
}

}  // namespace

bool JavaShadowing::mend(std::string& text, const std::string& package, std::vector<std::string>& imports,
                         std::string& problem) {
    std::vector<Token> tokens = tokenize(text);
    size_t count = tokens.size();
    auto word = [&](size_t k) { return text.substr(tokens[k].start, tokens[k].end - tokens[k].start); };
    auto punct = [&](size_t k, char c) { return k < count && !tokens[k].identifier && text[tokens[k].start] == c; };
    auto isIdentifier = [&](size_t k) { return k < count && tokens[k].identifier; };

    // Skip the package and import statements: they name packages only.
    std::vector<bool> statement(count, false);
    for (size_t k = 0; k < count; ++k) {
        if (!tokens[k].identifier) continue;
        std::string w = word(k);
        if ((w == "package" || w == "import") && (k == 0 || punct(k - 1, ';'))) {
            for (; k < count && !punct(k, ';'); ++k) statement[k] = true;
        }
    }

    // The first components of qualified names, and the names declared as
    // variables, fields or parameters: an identifier after a type (an
    // identifier, "]" or ">") and before ";", "=", "," or ")".
    static const std::unordered_set<std::string> notTypes = {
        "extends", "implements", "throws", "new", "class", "interface", "package", "import",
        "instanceof", "case", "return", "throw", "else"};
    std::unordered_set<std::string> roots, variables;
    std::unordered_map<std::string, int> standalone;  // identifiers not after "."
    for (size_t k = 0; k < count; ++k) {
        if (!tokens[k].identifier || statement[k] || (k > 0 && punct(k - 1, '.'))) continue;
        std::string w = word(k);
        ++standalone[w];
        if (punct(k + 1, '.') && isIdentifier(k + 2)) roots.insert(w);
    }
    for (size_t k = 1; k < count; ++k) {
        if (!tokens[k].identifier || statement[k]) continue;
        bool afterType = (isIdentifier(k - 1) && !notTypes.count(word(k - 1))) || punct(k - 1, ']') ||
                         punct(k - 1, '>');
        bool beforeEnd = punct(k + 1, ';') || punct(k + 1, '=') || punct(k + 1, ',') || punct(k + 1, ')');
        if (afterType && beforeEnd) variables.insert(word(k));
    }
    // A root a variable hides is read as the variable where an expression
    // is; one a class of this package hides is read as the class anywhere.
    std::unordered_set<std::string> hidden, byClass;
    for (const std::string& r : roots) {
        if (!JavaName::isPackageRoot(r)) continue;
        if (JavaName::isRegisteredClass(package, r))
            byClass.insert(r);
        else if (variables.count(r))
            hidden.insert(r);
    }
    if (hidden.empty() && byClass.empty()) return true;

    // Each qualified name starting with a hidden component: its class is
    // the shortest leading part that names a class the run generates.
    struct Replacement {
        size_t start, end;
        std::string simple;
    };
    std::vector<Replacement> replacements;
    std::vector<std::string> added;
    for (size_t k = 0; k < count; ++k) {
        if (!tokens[k].identifier || statement[k] || (k > 0 && punct(k - 1, '.'))) continue;
        std::string root = word(k);
        if ((!hidden.count(root) && !byClass.count(root)) || !punct(k + 1, '.') || !isIdentifier(k + 2)) continue;
        std::string qualified = root, owner;
        size_t last = k;
        bool found = false;
        while (punct(last + 1, '.') && isIdentifier(last + 2)) {
            owner = qualified;
            last += 2;
            qualified += "." + word(last);
            if (JavaName::isRegisteredClass(owner, word(last)) ||
                (JavaLib::isRuntimePackage(owner) && !JavaLib::isRuntimePackage(qualified))) {
                found = true;
                break;
            }
        }
        // Only a class whose member is named is read as the variable: a
        // name in a type's place is read as a package or type in any case,
        // and a chain without a class is the variable's own member.
        if (!found || (!byClass.count(root) && !punct(last + 1, '.'))) {
            k = last;
            continue;
        }
        std::string simple = word(last);
        bool samePackage = owner == package;
        auto importedAs = [&](const std::vector<std::string>& list, bool& same, bool& other) {
            for (const std::string& imported : list) {
                size_t dot = imported.rfind('.');
                if (dot == std::string::npos || imported.compare(dot + 1, std::string::npos, simple) != 0) continue;
                (imported == qualified ? same : other) = true;
            }
        };
        bool already = false, taken = false;
        importedAs(imports, already, taken);
        importedAs(added, already, taken);
        // The simple name must mean nothing else in this file.
        bool free = found && !taken && !variables.count(simple) &&
                    (samePackage || already ||
                     (!standalone.count(simple) && !JavaName::isRegisteredClass(package, simple)));
        if (!free) {
            problem = "no Java name reaches " + qualified + ": `" + root + "' is " +
                      (byClass.count(root) ? "a class" : "a variable, field or parameter") + " there, and " + simple +
                      " names something else";
            return false;
        }
        if (!samePackage) {
            bool known = false;
            for (const std::string& a : added) known = known || a == qualified;
            for (const std::string& a : imports) known = known || a == qualified;
            if (!known) added.push_back(qualified);
        }
        replacements.push_back({tokens[k].start, tokens[last].end, simple});
        k = last;
    }
    std::string mended;
    mended.reserve(text.size());
    size_t at = 0;
    for (const Replacement& r : replacements) {
        mended.append(text, at, r.start - at);
        mended += r.simple;
        at = r.end;
    }
    mended.append(text, at, std::string::npos);
    text.swap(mended);
    imports.insert(imports.end(), added.begin(), added.end());
    return true;
}
