// An IDL module: its types are written by their own generators; the module
// writes the classes of the constants declared directly in it.
#ifndef QUORVEX_IDLGEN_JAVAMODULETYPE_H
#define QUORVEX_IDLGEN_JAVAMODULETYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaDecl.h"
#include "idlgen/java/core/JavaProjection.h"

class ModuleTypeSpec;

class JavaModuleType : public JavaNamedAST, public JavaKind {
public:
    static JavaModuleType& project(const ModuleTypeSpec& ts) {
        return projectionOf<JavaModuleType>(ts, [&] { return new JavaModuleType(ts); });
    }

    void print(std::ostream& out) const override { out << getJavaName(); }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;

    const ModuleTypeSpec& getModuleTypeSpec() const;
    // The module's declarations, in order.
    JavaDeclList& getExports() const;
    bool isDataType() const { return false; }

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 0; }
    bool travelsInHolder() const override { return false; }
    bool unionNeedsHolder() const override;
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    void addClientGenerators(JavaTypeList& out) const override;
    bool prefixReachesContents() const override { return true; }
    bool isDirectiveScope() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaModuleType*>(&t) != nullptr; }
    static const JavaModuleType& narrow(const JavaType& t);

private:
    explicit JavaModuleType(const ModuleTypeSpec& ts);
};

#endif
