// The command line and the run sequence.
#ifndef QUORVEX_IDLGEN_PROCESSCMD_H
#define QUORVEX_IDLGEN_PROCESSCMD_H

class ConFileTbl;
class EnvFileTbl;
class Dependent;

// Thrown to abandon the run after errors; main reports it and exits 1.
struct ConToJavaAbort {};

void usage();
[[noreturn]] void unknown_option(const char* arg);

// Runs the whole compile; returns normally after a complete run and throws
// ConToJavaAbort when the run is abandoned.
void process_cmd_line(int argc, char** argv);
void process_cmd_line(int argc, char** argv, ConFileTbl& confiles, EnvFileTbl& envfiles,
                      Dependent& dependent);

#endif
