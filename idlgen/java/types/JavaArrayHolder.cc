#include "idlgen/java/types/JavaArrayHolder.h"

#include "idlgen/java/core/JavaLib.h"

JavaName JavaArrayHolder::getHolderName() const { return JavaLib::holder(name); }
