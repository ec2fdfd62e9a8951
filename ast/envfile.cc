#include "envfile.h"

#include "msg.h"

// Seam: the environment-file language is not built yet.
EnvFile::EnvFile(FileInfo& i, File& file, Reader&) : info(&i) {
    msg::unimpl("reading environment file `%s'", i.get_full_name().chars());
    file.finish();
}
