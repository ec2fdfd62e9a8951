// JavaAST::project, the one place that maps each kind of type to its
// projection class.  It lives with the kinds it switches over: core
// declares it and includes none of them.
#include "idlgen/java/core/JavaAST.h"

#include "ast/tree/types.h"
#include "lib/msg.h"
#include "idlgen/java/types/JavaArrayType.h"
#include "idlgen/java/types/JavaBaseType.h"
#include "idlgen/java/types/JavaBuiltinType.h"
#include "idlgen/java/types/JavaEnumType.h"
#include "idlgen/java/types/JavaExceptionType.h"
#include "idlgen/java/types/JavaFixedType.h"
#include "idlgen/java/types/JavaForwardType.h"
#include "idlgen/java/types/JavaImportType.h"
#include "idlgen/java/types/JavaInterfaceType.h"
#include "idlgen/java/types/JavaModuleType.h"
#include "idlgen/java/types/JavaScopedNameType.h"
#include "idlgen/java/types/JavaSequenceType.h"
#include "idlgen/java/types/JavaStringType.h"
#include "idlgen/java/types/JavaStructType.h"
#include "idlgen/java/types/JavaUnionType.h"
#include "idlgen/java/types/JavaValueBoxType.h"
#include "idlgen/java/types/JavaValueType.h"
#include "idlgen/java/types/JavaVoidType.h"

JavaAST& JavaAST::project(const TypeSpec& ts) {
    switch (ts.get_tag()) {
    case Base_TypeSpecTag: return JavaBaseType::project(BaseTypeSpec::narrow(ts));
    case Builtin_TypeSpecTag: return JavaBuiltinType::project(BuiltinTypeSpec::narrow(ts));
    case Enum_TypeSpecTag: return JavaEnumType::project(EnumTypeSpec::narrow(ts));
    case Exception_TypeSpecTag: return JavaExceptionType::project(ExceptionTypeSpec::narrow(ts));
    case Forward_TypeSpecTag: return JavaForwardType::project(ForwardTypeSpec::narrow(ts));
    case Import_TypeSpecTag: return JavaImportType::project(ImportTypeSpec::narrow(ts));
    case Interface_TypeSpecTag: return JavaInterfaceType::project(InterfaceTypeSpec::narrow(ts));
    case Module_TypeSpecTag: return JavaModuleType::project(ModuleTypeSpec::narrow(ts));
    case ScopedName_TypeSpecTag: return JavaScopedNameType::project(ScopedNameTypeSpec::narrow(ts));
    case Sequence_TypeSpecTag: return JavaSequenceType::project(SequenceTypeSpec::narrow(ts));
    case Struct_TypeSpecTag: return JavaStructType::project(StructTypeSpec::narrow(ts));
    case String_TypeSpecTag: return JavaStringType::project(StringTypeSpec::narrow(ts));
    case Union_TypeSpecTag: return JavaUnionType::project(UnionTypeSpec::narrow(ts));
    case Void_TypeSpecTag: return JavaVoidType::project(VoidTypeSpec::narrow(ts));
    case ValueBox_TypeSpecTag: return JavaValueBoxType::project(ValueBoxTypeSpec::narrow(ts));
    case Fixed_TypeSpecTag: return JavaFixedType::project(FixedTypeSpec::narrow(ts));
    case Value_TypeSpecTag: return JavaValueType::project(ValueTypeSpec::narrow(ts));
    }
    msg::panic("JavaAST::project");
}
