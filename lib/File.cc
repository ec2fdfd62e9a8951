#include "lib/File.h"

#include <unistd.h>

#include "lib/pipe.h"

static const char* const mode_strings[] = {"r", "w", "r+", "a+"};

File::File(int fd, io_mode mode) : stream_(fdopen(fd, mode_strings[mode])) {}

bool File::finish() {
    if (finished_) return ok_;
    finished_ = true;
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    if (filter_) ok_ = filter_->wait();
    return ok_;
}

File::~File() {
    finish();
    delete filter_;
}
