// The base of the client-side and server-side generators: the IDL input
// file they were made for.
#ifndef QUORVEX_IDLGEN_JAVAIMPL_H
#define QUORVEX_IDLGEN_JAVAIMPL_H

class ConFile;

class JavaImpl {
public:
    explicit JavaImpl(const ConFile& file) : file(&file) {}
    virtual ~JavaImpl() = default;
    const ConFile& contractFile() const { return *file; }

private:
    const ConFile* file;
};

#endif
