#include "idlgen/java/interfaces/JavaAccessorDeclarator.h"

#include "ast/tree/declarator.h"
#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaName.h"

JavaAST& JavaAccessorDeclarator::getAttrType() const { return JavaAST::project(attribute->get_typespec()); }

String JavaAccessorDeclarator::getAttrName() const { return JavaName(*attribute).item(); }

String JavaAccessorDeclarator::getIDLName() const { return String(prefix) + attribute->get_name().as_String(); }
