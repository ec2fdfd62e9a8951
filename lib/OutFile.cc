#include "lib/OutFile.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lib/flag.h"

static Flag keep_unchanged("keep-unchanged", "leave unchanged output files untouched", 1);

namespace outfile {

bool keepUnchanged() { return keep_unchanged != 0; }

namespace {

// The temporary file being written, for the signal handler and the exit
// hook.  One file is written at a time, so one slot is enough; `armed` is
// set before the file is created and cleared once it was renamed or removed.
char tempPath[PATH_MAX + NAME_MAX + 32];
volatile sig_atomic_t armed = 0;

void removeTemp() {
    if (armed) {
        unlink(tempPath);
        armed = 0;
    }
}

const int cleanedSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

void onSignal(int sig) {
    int saved = errno;
    if (armed) unlink(tempPath);
    armed = 0;
    errno = saved;
    // SA_RESETHAND restored the default action; SA_NODEFER lets it act now.
    raise(sig);
}

void onExit() { removeTemp(); }

// Writes all of `text` to `fd`; false (errno set) when a write failed.
bool writeAll(int fd, std::string_view text) {
    for (size_t done = 0; done < text.size();) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Reads exactly `size` bytes of `path` and compares them with `text`.
bool sameBytes(const char* path, std::string_view text) {
    int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    static thread_local std::string buffer;
    buffer.resize(text.size() + 1);
    size_t got = 0;
    bool ok = true;
    // One byte more than expected is asked for, to notice a file that grew.
    while (got < buffer.size()) {
        ssize_t n = ::read(fd, &buffer[got], buffer.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    return ok && got == text.size() && std::memcmp(buffer.data(), text.data(), got) == 0;
}

// Opens a file that is not regular (a device, a pipe) and writes it in
// place.
Outcome putInPlace(const char* path, std::string_view text) {
    int fd = ::open(path, O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return open_failed;
    bool ok = writeAll(fd, text);
    int err = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok) return written;
    errno = err;
    return write_failed;
}

}  // namespace

void installCleanup() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    std::atexit(onExit);
    for (int sig : cleanedSignals) {
        struct sigaction old;
        if (sigaction(sig, nullptr, &old) != 0) continue;
        // A signal the caller chose to ignore stays ignored (nohup, or
        // SIGXFSZ ignored so that writes fail with EFBIG instead).
        if (old.sa_handler == SIG_IGN) continue;
        struct sigaction sa;
        std::memset(&sa, 0, sizeof sa);
        sa.sa_handler = onSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESETHAND | SA_NODEFER;
        sigaction(sig, &sa, nullptr);
    }
}

Outcome put(const char* path, std::string_view text, bool absent) {
    installCleanup();
    struct stat st;
    bool exists = !absent && stat(path, &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return open_failed;
    }
    if (exists && !S_ISREG(st.st_mode)) return putInPlace(path, text);
    if (exists && keepUnchanged() && static_cast<unsigned long long>(st.st_size) == text.size() &&
        sameBytes(path, text))
        return unchanged;

    // The temporary file: the final name, hidden, with the process number
    // and ".tmp" after it, so that neither a "*.java" pattern nor javac's
    // source scan takes it for a source file.
    const char* slash = std::strrchr(path, '/');
    size_t dirLength = slash ? static_cast<size_t>(slash - path) + 1 : 0;
    const char* base = path + dirLength;
    size_t baseLength = std::strlen(base);
    if (baseLength > NAME_MAX) {
        errno = ENAMETOOLONG;
        return open_failed;
    }
    // Room for ".", the process number and ".tmp" within one name.
    size_t kept = baseLength < NAME_MAX - 32 ? baseLength : NAME_MAX - 32;
    if (dirLength + kept + 32 > sizeof tempPath) {
        errno = ENAMETOOLONG;
        return open_failed;
    }
    static const pid_t pid = getpid();
    std::memcpy(tempPath, path, dirLength);
    std::snprintf(tempPath + dirLength, sizeof tempPath - dirLength, ".%.*s.%ld.tmp", static_cast<int>(kept), base,
                  static_cast<long>(pid));

    mode_t mode = exists ? (st.st_mode & 07777) : 0666;
    armed = 1;
    int fd = ::open(tempPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno == EEXIST) {
        // Left by an earlier process of the same number that was killed
        // outright; it is nobody's file now.
        unlink(tempPath);
        fd = ::open(tempPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    }
    if (fd < 0) {
        armed = 0;
        return open_failed;
    }
    bool ok = writeAll(fd, text);
    int err = ok ? 0 : errno;
    // A file that existed keeps its permission bits; a new one gets 0666
    // less the umask, as open gave it.
    if (ok && exists && fchmod(fd, mode) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(tempPath, path) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) unlink(tempPath);
    armed = 0;
    if (ok) return written;
    errno = err;
    return write_failed;
}

}  // namespace outfile
