// The vocabulary of the Java runtime that generated code is written against:
// every package, class, method and literal name of org.omg.CORBA,
// org.omg.CORBA.portable and vemo.harl that a generator prints comes from
// here, together with the IDL-to-Java base type table, the names derived from
// a type's name (helper, holder, stub ...), the package prefix given with
// -p, and the TypeCode expressions.
#ifndef QUORVEX_IDLGEN_JAVALIB_H
#define QUORVEX_IDLGEN_JAVALIB_H

#include <iosfwd>
#include <vector>

#include "idlgen/java/core/JavaName.h"
#include "lib/String.h"

#include <iosfwd>

class InterfaceTypeSpec;
class Expr;
class JavaAST;
class JavaDecl;
class JavaDeclarator;

// One row of the base type table, indexed by the IDL base type tag.
struct JavaBaseTypeInfo {
    const char* idlName;     // "unsigned long"
    const char* javaType;    // "int"
    const char* holder;      // runtime holder class item, in org.omg.CORBA
    const char* streamItem;  // "ulong": write_ulong / read_ulong
    const char* initializer;
    const char* kind;        // "tk_ulong"
    int kindNumber;          // the TCKind value
    const char* anyInsert;   // "insert_ulong((int)"
};

class JavaLib {
public:
    // Packages.
    static const JavaName& corbaPackage();
    static const JavaName& portablePackage();
    static const JavaName& orbPackage();
    static const JavaName& harlPackage();
    // The package of the ORB modules CORBA and PortableServer (-fcorba3),
    // whatever -p or javaPackage say: their classes are the runtime's.
    static const JavaName& orbModulesPackage();
    static const char* globalPackage() { return "idlGlobal"; }

    // Runtime classes.
    static const JavaName& context();
    static const JavaName& corbaObject();
    static const JavaName& corbaBadParamException();
    static const JavaName& marshalingException();
    // Boxed value types: the streams that read and write values, the
    // interface of their Helpers, the interface of box classes, and the
    // Java type of a value as the streams take it.
    static const JavaName& valueOutputStream();
    static const JavaName& valueInputStream();
    static const JavaName& boxedValueHelper();
    static const JavaName& valueBase();
    static const JavaName& streamableValue();
    static const JavaName& customValue();
    static const JavaName& valueFactory();
    static const JavaName& corbaValueMember();
    static const JavaName& valueBaseHelper();
    static const JavaName& valueBaseHolder();
    static const JavaName& serializable();
    static const JavaName& badOperationException();
    static const JavaName& unknownException();
    static const JavaName& invalidObjRefException();
    static const JavaName& corbaUserException();
    static const JavaName& corbaSystemException();
    static const JavaName& corbaCORBAException();
    static const JavaName& corbaObjImplBase();
    static const JavaName& corbaOrbRef();
    static const JavaName& theOrb() { return corbaOrbRef(); }
    static const JavaName& corbaStructMember();
    static const JavaName& corbaUnionMember();
    static const JavaName& corbaTCKind();
    static const JavaName& completedMaybe();
    static const JavaName& baseHolder();
    static const JavaName& corbaRetryException();
    static const JavaName& orbException();
    static const JavaName& corbaObjImpl();
    static const JavaName& delegate();
    static const JavaName& operationDescriptor();
    static const char* inputStream() { return "org.omg.CORBA.portable.InputStream"; }
    static const char* outputStream() { return "org.omg.CORBA.portable.OutputStream"; }
    static const char* serverInvocation() { return "org.omg.CORBA.portable.ServerInvocation"; }
    static const char* skeletonInterface() { return "org.omg.CORBA.portable.Skeleton"; }
    static const JavaName& orbSupport();
    static const JavaName& javaObject();
    static const JavaName& anyName();
    // The Java class of fixed-point values.
    static const JavaName& bigDecimal();
    static const JavaName& typeCodeName();
    static const JavaName& principalName();
    static const JavaName& narrowFault() { return corbaBadParamException(); }
    static const JavaName& unionFault() { return badOperationException(); }
    static const JavaName& enumerationRangeFault() { return marshalingException(); }
    static const JavaName& characterRangeFault() { return marshalingException(); }

    // Method names, suffixes and literals.
    static const char* marshal() { return "__write"; }
    static const char* unmarshal() { return "__read"; }
    static const char* stub() { return "Stub"; }
    static const char* skeleton() { return "Skeleton"; }
    static const char* servant() { return "ImplBase"; }
    static const char* helper() { return "Helper"; }
    static const char* holder() { return "Holder"; }
    static const char* idlOperations() { return "Operations"; }
    static const char* moduleConstants() { return "Constants"; }
    static const char* createReference() { return "createRef"; }
    static const char* createDefaultServer() { return "createDefaultServer"; }
    static const char* constAccessor() { return "value"; }
    static const char* fromAnyName() { return "extract"; }
    static const char* toAnyName() { return "insert"; }
    static const char* replaceAnyName() { return "replace"; }
    static const char* getRepIdName() { return "id"; }
    static const char* getRepIdsName() { return "_get_ids"; }
    static const char* getOperationsName() { return "_get_operations"; }
    static const char* getTypeCodeName() { return "type"; }
    static const char* getStreamableTypeCodeName() { return "__type"; }
    static const char* invoke() { return "_execute"; }
    static const char* isA() { return "_is_a"; }
    static const char* narrow() { return "narrow"; }
    static const char* copy() { return "_duplicate"; }
    static const char* consume() { return "_release"; }
    static const char* repositoryIdentifier() { return "repositoryIdentifier"; }
    static const char* repositoryIdentifierType() { return "String"; }
    static const char* repositoryIdentifierMethod() { return "getRepositoryIdentifier"; }
    static const char* interfaceRepositoryIdentifierMethod() { return "getInterfaceRepositoryIdentifier"; }
    static const char* enumFromInt() { return "from_int"; }
    static const char* resultsBeforeOuts() { return "resultsBeforeOuts"; }
    static const char* serverlessAttribute() { return "serverless"; }
    static const char* branchCreate(const char*) { return "create"; }
    static const char* falseLiteral() { return "false"; }
    static const char* trueLiteral() { return "true"; }
    static const char* javaNameSeparator() { return "."; }
    static const JavaName& unknownName();
    static const char* stringName() { return "String"; }
    static const char* voidName() { return "void"; }
    // org.omg.CORBA.ORB.init(): the factory of type codes and anys.
    static String typecodeFactory();
    static String newAny();

    // Keys of environment attributes and pragma values.
    static const char* repositoryIdentifierAttribute() { return "RepositoryIdentifier"; }
    static const char* repositoryPrefixAttribute() { return "RepositoryPrefix"; }
    static const char* repositoryVersionAttribute() { return "RepositoryVersion"; }
    static const char* getPragmaJavaPackageAttribute() { return "javaPackage"; }
    static const char* javaClassAttribute() { return "java_class"; }
    static const char* getAttributePrefix() { return "_get_"; }
    static const char* setAttributePrefix() { return "_set_"; }

    // The base type table, by IDL base type tag (0 to 11); null for a tag
    // outside the table.
    static const JavaBaseTypeInfo* baseType(int tag);
    // The stream item of strings: write_string / read_string, or with wide
    // write_wstring / read_wstring.
    static const char* stringStreamItem(bool wide);
    static JavaName stringHolder();

    // Names derived from a type's name; each is new.
    static JavaName helper(const JavaName& name);
    static JavaName helper(const String& name);
    static JavaName holder(const JavaName& name);
    static JavaName holderValue(const JavaName& name);
    static JavaName stub(const JavaName& name);
    // A value type's factory interface ([Name]ValueFactory) and default
    // factory ([Name]DefaultFactory, the class the runtime looks for).
    static JavaName valueFactory(const JavaName& name) { return name.itemSuffix("ValueFactory"); }
    static JavaName defaultFactory(const JavaName& name) { return name.itemSuffix("DefaultFactory"); }
    static JavaName servant(const JavaName& name);
    static JavaName skeleton(const JavaName& name);
    static JavaName idlOperations(const JavaName& name);
    static JavaName objRef(const JavaName& name) { return name; }
    static JavaName createReference(const JavaName& name);
    static JavaName constAccessor(const JavaName& name);
    static JavaName makePackage(const JavaName& name);
    static String hidden(const String& text) { return String("__") + text; }
    static JavaName methodIdentifier(const JavaName& name);

    // Fault expressions.
    static String newMarshalingException();
    static String newBadOperationException();
    static String newUnknownException();
    static String newInvalidObjRefException();
    static String newNarrowFault();
    static String newUnionFault();
    static String newEnumerationRangeFault();
    static String newCharacterRangeFault();
    static String fromORBException(const String& text);
    static String getOutputStreamFromAny(const String& any);
    static String getInputStreamFromAny(const String& any);
    // The stream call that writes or reads a whole array of one kind of
    // element ("write_long_array", "read_string_array" ...); `item` is the
    // kind's stream name ("long", "string" ...).
    static String streamArrayCall(bool write, const String& item);
    static const char* anyInsertMethodName(int baseTag);

    // The package prefix of -p: dots, "/" and "::" all separate components.
    static void setPackagePrefix(const char* prefix);
    static bool hasPackagePrefix() { return packagePrefix != nullptr; }
    // Null until -p gives one.
    static const JavaName* getPackagePrefix() { return packagePrefix; }

    // The identifier as Java may use it: a reserved word, or a name ending
    // in a reserved suffix, gets a leading "_".
    static String nameMap(const String& id);
    // True when `id` is the simple name of a public type of java.lang, which
    // every Java file imports: a package whose first component it is cannot
    // be named.
    static bool isJavaLangType(const String& id);
    // True when `dotted` is a package of the runtime or of its path (org,
    // org.omg, vemo.harl, ...): a generated class of that name would hide it.
    static bool isRuntimePackage(const std::string& dotted);
    // True when `dotted` is one of the packages the generated code names, or
    // a package on their path (org.omg, java.lang, ...).
    static bool isNamedPackage(const std::string& dotted);

    // The TypeCode the ORB keeps for a primitive kind ("tk_long" ...), and
    // the one a named type's Helper gives.
    static String primitiveTypeCode(const char* kind);
    static String helperTypeCode(const JavaName& type);
    // The TypeCode of fixed<digits,scale>.
    static String fixedTypeCode(int digits, int scale);

    // Java expressions for the TypeCode of a type or of a declaration's
    // type, as the type's kind (JavaKind) gives it.
    static String getTypeCodeForType(const JavaAST& type);
    static String getTypeCodeFor(const JavaDecl& decl);
    // The TCKind number of a type (0 when it has none).
    static int tk(const JavaAST& type);

    // The argument conversions and the default discriminator look at
    // particular kinds of type: they are defined with the kinds, in
    // java/types/JavaLibTypes.cc.
    // Values between Java variables and the two argument arrays of a call
    // (a long[] for primitive values, a java.lang.Object[] for the rest).
    // True when a value of the type travels in the long array: a base type
    // other than any, after typedef resolution.
    static bool whichArray(const JavaAST& type);
    // [ClassOf(T)]: "new " [holder class] "().getClass()".
    static String getClassForName(const JavaAST& type);
    // The stub's statement storing `name` into its slot, and the stub's
    // expression for the value that came back.
    static String getConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                  const String& objectSlot, bool inOnly);
    static String getConversionFrom(const JavaAST& type, const String& longSlot, const String& objectSlot);
    // The skeleton's inverses: the argument handed to the implementation,
    // and the statement storing a result into its slot.
    static String getSkelConversionFrom(const JavaAST& type, const String& longSlot, const String& objectSlot,
                                        bool inOnly);
    static String getSkelConversionTo(const JavaAST& type, const String& name, const String& longSlot,
                                      const String& objectSlot);
    // Descriptor mode words of a parameter's flags.
    static unsigned inFlag() { return 0x40000000u; }
    static unsigned outFlag() { return 0x80000000u; }
    static unsigned inoutFlag() { return 0xC0000000u; }

    // The list of repository identifiers of an interface and its bases,
    // `_type_ids`, with its accessor `_get_ids` (stub and skeleton).
    static void printTypeStrings(std::ostream& out, const InterfaceTypeSpec& iface);
    // Prints a value of the union discriminator type `switchType` that none
    // of `labels` (the union's labels other than default) uses, and returns
    // true; returns false when every value is taken.
    static bool generateDefaultDiscriminator(std::ostream& os, const JavaAST& switchType,
                                             const std::vector<const Expr*>& labels);

    // The repository identifier of a declarator, computed once.
    static String repositoryIdentifier(const JavaDeclarator& d);
    // `text` as it may stand between the quotes of a Java string literal.
    static String javaStringText(const String& text);

private:
    static JavaName* packagePrefix;
};

#endif
