// The program's version name and the date it carries: shown by --version
// and -fversion, and written into the header of every generated file.
#ifndef QUORVEX_LIB_VERSION_H
#define QUORVEX_LIB_VERSION_H

extern const char* version;
extern const char* timestamp;

#endif
