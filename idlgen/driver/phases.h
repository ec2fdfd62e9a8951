// The phases of a run after every named file was read and checked: the
// pragma passes over the named files, and Java generation.
#ifndef QUORVEX_IDLGEN_PHASES_H
#define QUORVEX_IDLGEN_PHASES_H

class ConFileTbl;

// Pushes repository prefixes, Java packages and serverless marks down the
// trees of the named files, one pass over all files after another, then
// checks the Java packages (errors counted, nothing written).
void run_pragma_passes(ConFileTbl& named);

struct GenerationRequest {
    const char* javadir;   // output root
    const char* listname;  // -J file, or null
    int client;
    int server;
    int verbose;
};

// Writes the client and server files of each named file, in command-line
// order, then the -J list.
void generate_java(ConFileTbl& named, const GenerationRequest& request);

#endif
