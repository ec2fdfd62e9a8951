// Projection of an IDL interface type.  Its Java classes and marshalling are
// not generated yet: asking for them reports an unimplemented feature.
#ifndef QUORVEX_IDLGEN_JAVAINTERFACETYPE_H
#define QUORVEX_IDLGEN_JAVAINTERFACETYPE_H

#include "idlgen/java/core/JavaAST.h"

class InterfaceTypeSpec;

class JavaInterfaceType : public JavaNamedAST {
public:
    static JavaInterfaceType& project(const InterfaceTypeSpec& ts) { return *new JavaInterfaceType(ts); }

    void print(std::ostream& out) const override;
    Tag getTag() const override { return jInterfaceType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    static bool isA(const JavaType& t) { return t.getTag() == jInterfaceType; }
    static const JavaInterfaceType& narrow(const JavaType& t);

private:
    explicit JavaInterfaceType(const InterfaceTypeSpec& ts);
};

#endif
