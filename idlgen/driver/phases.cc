#include "idlgen/driver/phases.h"

#include "ast/input/confile.h"
#include "lib/msg.h"
#include "ast/pragma/pragma.h"
#include "ast/tree/definition.h"
#include "idlgen/java/client/JavaClientImpl.h"
#include "idlgen/java/core/JavaLimits.h"
#include "idlgen/java/server/JavaServerImpl.h"
#include "idlgen/java/client/JavaPackagePragma.h"
#include "idlgen/java/client/RepositoryPragma.h"
#include "idlgen/java/core/JavaFiles.h"

// Each pass runs over all named files before the next begins.
void run_pragma_passes(ConFileTbl& named) {
    for (TblIter<FileInfo, ConFile> it(named); it; it.next())
        RepositoryPragma::pushPragmas(it.entry().get_definitions(), nullptr);
    for (TblIter<FileInfo, ConFile> it(named); it; it.next())
        RepositoryPragma::applyDirectives(it.entry().get_definitions());
    for (TblIter<FileInfo, ConFile> it(named); it; it.next())
        JavaPackagePragma::pushPragmas(it.entry().get_definitions(), nullptr);
    for (TblIter<FileInfo, ConFile> it(named); it; it.next())
        PragmaServerless::process(it.entry().get_definitions());
    for (TblIter<FileInfo, ConFile> it(named); it; it.next())
        JavaPackagePragma::checkPackages(it.entry().get_definitions());
}

void generate_java(ConFileTbl& named, const GenerationRequest& request) {
    JavaFiles* files = new JavaFiles(request.javadir);
    for (TblIter<FileInfo, ConFile> it(named); it; it.next()) {
        const ConFile& file = it.entry();
        int errors = msg::get_error_count();
        // Nothing is written for a file whose Java would exceed the class
        // file's limits.
        if (!JavaLimits::check(file, *file.get_definitions().getDeclList())) continue;
        if (request.client) {
            JavaClientImpl* client = new JavaClientImpl(file);
            if (msg::get_error_count() > errors) continue;
            client->writeFiles(*files, request.verbose);
        }
        if (request.server) {
            JavaServerImpl* server = new JavaServerImpl(file);
            if (msg::get_error_count() > errors) continue;
            server->writeFiles(*files, request.verbose);
        }
    }
    if (request.listname) files->flush(request.listname);
}
