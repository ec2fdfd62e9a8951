// Runs the C preprocessor as a child process: the opened source file is its
// standard input, and the read end of a pipe carries its output back.
#ifndef QUORVEX_LIB_PIPE_H
#define QUORVEX_LIB_PIPE_H

#include <sys/types.h>

#include <vector>

#include "lib/String.h"

class Preprocessor {
public:
    // The path of the preprocessor wrapper: beside the executable (the build
    // tree), else in ../libexec/quorvex/ from it (an installed or relocated
    // tree), else the path fixed when the program was built.
    static const char* path();

    // `options`: null-terminated list of -I, -D and -U arguments, in
    // command-line order.  Takes over `fd` (closed in the parent).
    Preprocessor(const String& name, int fd, const char* const* options);
    Preprocessor(const Preprocessor&) = delete;
    Preprocessor& operator=(const Preprocessor&) = delete;
    ~Preprocessor();

    // The read end of the pipe, or a negative value after a failure.
    int get_fd() const { return fd; }
    const char* get_name() const { return name.chars(); }

    // Waits for the child; true when it ended with status 0.
    bool wait();

private:
    int fd = -1;
    String name;
    pid_t child = -1;
};

#endif
