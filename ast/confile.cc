#include "confile.h"

#include "msg.h"

// Seam: parsing IDL is not built yet.  The file is opened (and preprocessed)
// but its definitions are not read; the run says so and fails.
ConFile::ConFile(FileInfo& i, File& file, Reader&, EnvFile&) : info(i) {
    msg::unimpl("reading IDL definitions from `%s'", i.get_full_name().chars());
    file.finish();
}
