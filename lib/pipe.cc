#include "lib/pipe.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <iostream>

#include "lib/msg.h"
#include "lib/flag.h"

#ifndef QUORVEX_CPP_PATH
#define QUORVEX_CPP_PATH "/usr/ccs/lib/cpp"
#endif

static String find_wrapper() {
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        exe[n] = '\0';
        std::string self(exe);
        String dir(self.substr(0, self.rfind('/')));
        for (const char* relative : {"/quorvex-cpp", "/../libexec/quorvex/quorvex-cpp"}) {
            String candidate = dir + relative;
            // A directory is searchable, not executable: only a regular
            // file will do.
            struct stat st;
            if (stat(candidate.chars(), &st) == 0 && S_ISREG(st.st_mode) && access(candidate.chars(), X_OK) == 0)
                return candidate;
        }
    }
    return QUORVEX_CPP_PATH;
}

const char* Preprocessor::path() {
    static const String found = find_wrapper();
    return found.chars();
}

static Flag debug_reader("debug-reader", "");

Preprocessor::Preprocessor(const String& n, int source_fd, const char* const* options) : name(n) {
    std::vector<const char*> argv = {path(), "-B", "-C", "-Y"};
    for (const char* const* o = options; o && *o; ++o) argv.push_back(*o);
    argv.push_back(nullptr);

    if (debug_reader) {
        std::cerr << "preprocessing with ... |";
        for (const char* a : argv)
            if (a) std::cerr << a << "|";
        std::cerr << "\n";
    }

    int fds[2];
    if (pipe(fds) < 0) {
        fd = -1;
        close(source_fd);
        return;
    }
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        close(source_fd);
        fd = -1;
        return;
    }
    if (child == 0) {
        close(fds[0]);
        if (dup2(source_fd, 0) < 0 || dup2(fds[1], 1) < 0) _exit(1);
        close(source_fd);
        close(fds[1]);
        execv(argv[0], const_cast<char* const*>(argv.data()));
        // Reported in the child, which then ends; the parent reads an empty
        // stream and learns of the failure when it waits.
        msg::iofatal("cannot preprocess input");
    }
    close(source_fd);
    close(fds[1]);
    fd = fds[0];
}

bool Preprocessor::wait() {
    if (child <= 0) return fd >= 0;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(child, &status, 0);
    } while (r < 0 && errno == EINTR);
    child = -1;
    return r > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

Preprocessor::~Preprocessor() {
    if (child > 0) wait();
}
