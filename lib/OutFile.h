// Putting a whole output file on disk.  A regular file is written to a
// temporary file beside it and renamed into place only once all of it was
// written and closed, so a failure, the end of the run or a signal never
// leaves a cut file; a file that already holds exactly the new text is left
// alone (its bytes, time and inode stay).  Devices, pipes and other files
// that are not regular are written in place, as they always were.
#ifndef QUORVEX_LIB_OUTFILE_H
#define QUORVEX_LIB_OUTFILE_H

#include <string_view>

namespace outfile {

enum Outcome {
    written,      // the file now holds the text
    unchanged,    // it held the text already and was not touched
    open_failed,  // nothing could be created (errno says why)
    write_failed  // writing, closing or renaming failed (errno says why)
};

// Whether a file holding the new text already is left alone: the flag
// keep-unchanged, on unless -fno-keep-unchanged.
bool keepUnchanged();

// Puts `text` at `path`.  On failure no temporary file remains, the previous
// file (if any) is as it was, and errno tells the cause.  `absent` says the
// caller knows no file is there (its directory was just made), which saves
// looking.
Outcome put(const char* path, std::string_view text, bool absent = false);

// Removes the temporary file being written, if any, and passes SIGINT,
// SIGTERM, SIGHUP and SIGXFSZ (those not ignored) on to their default
// action afterwards.  Done once; put() calls it.
void installCleanup();

}  // namespace outfile

#endif
