#include "lib/version.h"

const char* version = "Halvix";
const char* timestamp = "Wed Mar 5 17:02:26 1997";
