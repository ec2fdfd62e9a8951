#include "idlgen/java/core/JavaDeclarator.h"

#include <ostream>

#include "ast/tree/declarator.h"
#include "ast/tree/types.h"
#include "idlgen/java/core/JavaAST.h"

// Where the repository identifier of a declarator is kept once computed.
static const char* const repositoryIdentifierProperty = "JavaRepositoryIdentifier";

JavaName JavaDeclarator::getJavaName() const { return JavaName(*declarator); }

const String& JavaDeclarator::getIDLName() const { return declarator->get_name().as_String(); }

int JavaDeclarator::getTag() const { return declarator->get_tag(); }

bool JavaDeclarator::isArray() const { return ArrayDeclarator::is(*declarator); }

bool JavaDeclarator::isConstant() const { return InitDeclarator::is(*declarator); }

bool JavaDeclarator::isTypedefd() const { return declarator->has_typespec() && declarator->is_typedefd(); }

int JavaDeclarator::getDimensionCount() const {
    return isArray() ? ArrayDeclarator::narrow(*declarator).get_dimension_count() : 0;
}

JavaAST& JavaDeclarator::getType() const { return JavaAST::project(declarator->get_typespec()); }

bool JavaDeclarator::hasRepositoryIdentifier() const {
    return declarator->get_data(repositoryIdentifierProperty) != nullptr;
}

const String& JavaDeclarator::getRepositoryIdentifier() const {
    return *static_cast<String*>(declarator->get_data(repositoryIdentifierProperty));
}

void JavaDeclarator::setRepositoryIdentifier(const String& id) const {
    declarator->set_data(repositoryIdentifierProperty, new String(id));
}

void JavaDeclarator::print(std::ostream& out) const { out << getJavaName().item(); }
