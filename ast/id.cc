#include "flag.h"

// Whether identifiers are compared without regard to case.
Flag caseless_flag("caseless", "compare identifiers without case");
