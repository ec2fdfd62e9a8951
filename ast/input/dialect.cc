#include "ast/input/dialect.h"

#include "lib/flag.h"

static Flag corba3_flag("corba3", "accept the IDL of later CORBA versions");

bool dialect::corba3() { return corba3_flag != 0; }
