// quorvex: compiles OMG IDL into Java for a CORBA-style object request broker.
#include <cstring>
#include <iostream>

#include "lib/msg.h"
#include "idlgen/driver/processcmd.h"

int main(int argc, char** argv) {
    const char* slash = std::strrchr(argv[0], '/');
    progname = slash ? slash + 1 : argv[0];
    try {
        process_cmd_line(argc, argv);
    } catch (ConToJavaAbort&) {
        std::cout.flush();
        msg::inform("aborted due to earlier errors");
        return 1;
    }
    std::cout.flush();
    return 0;
}
