#include "ast/input/description.h"

#include <ostream>

Description Description::null;

void Description::print(std::ostream& out) const { out << "{*" << text << "*}"; }
