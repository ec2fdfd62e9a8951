#include "lib/msg.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

const char* progname = "quorvex";

int msg::error_count = 0;
const int msg::max_error_count = 30;
msg::exit_handler msg::on_exit = nullptr;
msg::exit_handler msg::on_panic = nullptr;

void msg::quit(int status) {
    if (on_exit) on_exit(status);
    std::exit(status);
}

void msg::vmessage(msg_level level, const SrcLoc* loc, const char* fmt, va_list args) {
    int saved_errno = errno;
    if (level == unimpl_level || level == error_level || level == ioerror_level) ++error_count;

    if (loc)
        std::cerr << loc->get_file() << ":" << loc->get_line() << ": ";
    else
        std::cerr << progname << ": ";

    switch (level) {
    case warn_level: std::cerr << "warning: "; break;
    case unimpl_level: std::cerr << "sorry, not implemented: "; break;
    case fatal_level:
    case iofatal_level: std::cerr << "fatal error: "; break;
    case panic_level: std::cerr << "PANIC!  internal error: "; break;
    default: break;
    }

    // vsnprintf never writes past the buffer: a longer text is cut.
    char buf[buffer_size];
    std::vsnprintf(buf, sizeof buf, fmt, args);
    std::cerr << buf;

    if (level == ioerror_level || level == iofatal_level)
        std::cerr << "; " << std::strerror(saved_errno) << "\n";
    else
        std::cerr << "\n";
    std::cerr.flush();

    switch (level) {
    case unimpl_level:
    case error_level:
    case ioerror_level:
        if (error_count > max_error_count) fatal("too many errors");
        break;
    case fatal_level:
    case iofatal_level:
        quit(1);
    case panic_level:
        std::cerr << "Please report this error to your friendly IDL tools person\n";
        std::cerr.flush();
        if (on_panic) on_panic(1);
        quit(1);
    default:
        break;
    }
}

// Each kind of message has a form without and a form with a location.  The
// kinds that end the process do so inside vmessage; their trailing abort()
// only tells the compiler that they do not return.
#define QUORVEX_MSG_PAIR(name, level, after)                          \
    void msg::name(const char* fmt, ...) {                            \
        va_list args;                                                 \
        va_start(args, fmt);                                          \
        vmessage(level, nullptr, fmt, args);                          \
        va_end(args);                                                 \
        after;                                                        \
    }                                                                 \
    void msg::name(const SrcLoc& loc, const char* fmt, ...) {         \
        va_list args;                                                 \
        va_start(args, fmt);                                          \
        vmessage(level, &loc, fmt, args);                             \
        va_end(args);                                                 \
        after;                                                        \
    }

QUORVEX_MSG_PAIR(inform, inform_level, )
QUORVEX_MSG_PAIR(warn, warn_level, )
QUORVEX_MSG_PAIR(unimpl, unimpl_level, )
QUORVEX_MSG_PAIR(error, error_level, )
QUORVEX_MSG_PAIR(ioerror, ioerror_level, )
QUORVEX_MSG_PAIR(fatal, fatal_level, std::abort())
QUORVEX_MSG_PAIR(iofatal, iofatal_level, std::abort())
QUORVEX_MSG_PAIR(panic, panic_level, std::abort())
