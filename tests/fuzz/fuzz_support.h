// Shared set-up of the fuzz targets: each input is compiled in-process the
// way the driver reads a file with the preprocessor off.  Fatal messages
// throw instead of ending the process, the error count starts afresh for
// every input, and the compiler's diagnostics are silenced.
#ifndef QUORVEX_TESTS_FUZZ_SUPPORT_H
#define QUORVEX_TESTS_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzExit {};

// Once per process: no preprocessor, throwing exits, quiet diagnostics
// (unless QUORVEX_FUZZ_VERBOSE is set), and a private scratch directory.
void fuzz_init();

// Writes the input to a file in the scratch directory; returns its path.
std::string fuzz_write(const char* name, const uint8_t* data, size_t size);

// Turns -fcorba3 on for part of the inputs (those whose first byte is odd),
// so the later-CORBA forms are fuzzed too, and off for the rest.
void fuzz_dialect(const uint8_t* data, size_t size);

class Reader;

// A reader on fresh tables, so every input is a first reading, with the
// error count set back to zero.  The tree lives until the process ends, by
// design.
Reader& fuzz_reader();

#endif
