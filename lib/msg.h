// The one diagnostic reporter.  Every message is one line on standard error,
// prefixed with the program name or a source location.  unimpl, error and
// ioerror are counted; the 31st counted error ends the run with "too many
// errors".  fatal, iofatal and panic end the process at once with status 1.
#ifndef QUORVEX_AST_MSG_H
#define QUORVEX_AST_MSG_H

#include <cstdarg>

#include "lib/srcloc.h"

// The program's name as printed in messages; main sets it from argv[0].
extern const char* progname;

enum msg_level { inform_level, warn_level, unimpl_level, error_level, ioerror_level,
                 fatal_level, iofatal_level, panic_level };

#define QUORVEX_PRINTF(f, a) __attribute__((format(printf, f, a)))

class msg {
public:
    static void inform(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    static void inform(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    static void warn(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    static void warn(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    static void unimpl(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    static void unimpl(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    static void error(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    static void error(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    static void ioerror(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    static void ioerror(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    [[noreturn]] static void fatal(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    [[noreturn]] static void fatal(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    [[noreturn]] static void iofatal(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    [[noreturn]] static void iofatal(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);
    [[noreturn]] static void panic(const char* fmt, ...) QUORVEX_PRINTF(1, 2);
    [[noreturn]] static void panic(const SrcLoc& loc, const char* fmt, ...) QUORVEX_PRINTF(2, 3);

    static int get_error_count() { return error_count; }
    static int get_max_error_count() { return max_error_count; }

    // Size of the formatting buffer; longer texts are cut to fit.
    enum { buffer_size = 1024 };

    // For harnesses that run many compiles in one process (the fuzzers):
    // a handler called instead of ending the process after a fatal message
    // (it must not return; it may throw), and a fresh error count.
    using exit_handler = void (*)(int status);
    static void set_exit_handler(exit_handler handler) { on_exit = handler; }
    // Called after an internal error, before the exit handler: a harness
    // that treats internal errors as findings aborts there.
    static void set_panic_handler(exit_handler handler) { on_panic = handler; }
    static void reset_error_count() { error_count = 0; }

private:
    [[noreturn]] static void quit(int status);
    static exit_handler on_exit;
    static exit_handler on_panic;
    static void vmessage(msg_level level, const SrcLoc* loc, const char* fmt, va_list args);
    static int error_count;
    static const int max_error_count;
};

#endif
