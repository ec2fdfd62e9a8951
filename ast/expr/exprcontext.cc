#include "ast/expr/exprcontext.h"

const ExprContext ExprContext::const_dcl(ExprContext_constant | ExprContext_data);
const ExprContext ExprContext::bound(ExprContext_constant | ExprContext_positive);
const ExprContext ExprContext::case_label(ExprContext_data);
