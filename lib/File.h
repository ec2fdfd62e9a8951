// An input or output stream made from an open file descriptor, with the name
// used in messages and, when the input runs through the C preprocessor, the
// Preprocessor whose output it reads.
#ifndef QUORVEX_LIB_FILE_H
#define QUORVEX_LIB_FILE_H

#include <cstdio>

enum io_mode { io_read = 0, io_write = 1, io_readwrite = 2, io_append = 3 };

class Preprocessor;

class File {
public:
    File(int fd, io_mode mode);
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    // Closes the stream, then the preprocessor's pipe.
    ~File();

    void setname(const char* n) { name_ = n; }
    void setfilter(Preprocessor* p) { filter_ = p; }
    const char* name() const { return name_; }
    Preprocessor* filter() const { return filter_; }
    operator FILE*() const { return stream_; }

    // Closes the stream and, when reading through the preprocessor, waits
    // for it.  Returns false when the preprocessor failed.  Later calls (and
    // the destructor) do nothing more.
    bool finish();

private:
    FILE* stream_;
    const char* name_ = "";
    Preprocessor* filter_ = nullptr;
    bool finished_ = false;
    bool ok_ = true;
};

#endif
