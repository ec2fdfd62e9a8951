#include "idlgen/java/interfaces/JavaArg.h"

#include "lib/msg.h"
#include "ast/tree/decl.h"
#include "idlgen/java/core/JavaLib.h"

bool JavaArg::containsOut() const {
    switch (getFlags()) {
    case 0:
    case Decl::PARAM_IN:
    case Decl::PARAM_CONSUME:
    case Decl::PARAM_COPY:
        return false;
    case Decl::PARAM_OUT:
    case Decl::PARAM_INOUT:
    case Decl::PARAM_BORROW:
    case Decl::PARAM_PRODUCE:
        return true;
    default:
        msg::panic("JavaArg::printUnmarshal: flags = 0x%x", getFlags());
    }
}

static bool hasFlag(unsigned flags, unsigned value) { return (flags & value) == value; }

unsigned JavaArg::modeWord() const {
    unsigned flags = getFlags();
    if (hasFlag(flags, Decl::PARAM_OUT)) return JavaLib::outFlag();
    if (hasFlag(flags, Decl::PARAM_INOUT)) return JavaLib::inoutFlag();
    if (hasFlag(flags, Decl::PARAM_IN)) return JavaLib::inFlag();
    return 0xFFFFFFFFu;
}

bool JavaArg::inLongArray() const { return !containsOut() && JavaLib::whichArray(getType()); }
