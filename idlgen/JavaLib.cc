#include "JavaLib.h"

String* JavaLib::packagePrefix = nullptr;
