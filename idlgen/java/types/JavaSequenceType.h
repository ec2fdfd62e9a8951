// Projection of an IDL sequence type.  Its Java classes and marshalling are
// not generated yet: asking for them reports an unimplemented feature.
#ifndef QUORVEX_IDLGEN_JAVASEQUENCETYPE_H
#define QUORVEX_IDLGEN_JAVASEQUENCETYPE_H

#include "idlgen/java/core/JavaAST.h"

class SequenceTypeSpec;

class JavaSequenceType : public JavaAST {
public:
    static JavaSequenceType& project(const SequenceTypeSpec& ts) { return *new JavaSequenceType(ts); }

    void print(std::ostream& out) const override;
    Tag getTag() const override { return jSequenceType; }
    void writeFile(JavaFiles& files, const ConFile& source, int verbose) const override;
    void printMarshalMethods(std::ostream& out) const override;
    void printMarshal(std::ostream& out, const char* stream, const JavaName& variable,
                      const String& indent) const override;
    void printUnmarshal(std::ostream& out, const char* stream, const JavaName& variable,
                        const String& indent) const override;

    static bool isA(const JavaType& t) { return t.getTag() == jSequenceType; }
    static const JavaSequenceType& narrow(const JavaType& t);

private:
    explicit JavaSequenceType(const SequenceTypeSpec& ts);
};

#endif
