// The projection of a fixed-point type (-fcorba3): values are
// java.math.BigDecimal, written and read in CDR's packed decimal with the
// type's digits and scale.  A typedef of it writes a Holder and a Helper;
// the runtime's stream methods do the encoding and refuse a value that
// does not fit (DATA_CONVERSION).
#ifndef QUORVEX_IDLGEN_JAVAFIXEDTYPE_H
#define QUORVEX_IDLGEN_JAVAFIXEDTYPE_H

#include "idlgen/java/core/JavaAST.h"
#include "idlgen/java/core/JavaKind.h"
#include "idlgen/java/core/JavaProjection.h"

class FixedTypeSpec;

class JavaFixedType : public JavaAST, public JavaKind {
public:
    static JavaFixedType& project(const FixedTypeSpec& ts) {
        return projectionOf<JavaFixedType>(ts, [&] { return new JavaFixedType(ts); });
    }

    void print(std::ostream& out) const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    const FixedTypeSpec& getFixedTypeSpec() const;

    // JavaKind
    String typeCode() const override;
    int tcKind() const override { return 28; }
    bool travelsInHolder() const override { return true; }
    bool unionNeedsHolder() const override { return false; }
    JavaHolder* makeHolder() const override;
    JavaBaseTypeOps* makeHelper() const override;
    bool typedefWritesHolder() const override { return true; }

    static bool isA(const JavaType& t) { return dynamic_cast<const JavaFixedType*>(&t) != nullptr; }
    static const JavaFixedType& narrow(const JavaType& t);

private:
    explicit JavaFixedType(const FixedTypeSpec& ts);
    // "(short) digits, (short) scale", the arguments of the stream calls.
    String digitsAndScale() const;
};

#endif
