// The omniORB side of the TLS interoperability tests and of the benchmark's
// TLS row: a server of tls.idl's Door and a client of one, over omniORB's
// SSL transport.
//
//   tls_peer server IORFILE [TLS options] [omniORB options]
//   tls_peer client IOR ACTION... [TLS options] [omniORB options]
//   tls_peer bench IOR SECONDS [TLS options] [omniORB options]
//
// TLS options, all three or none (none: the SSL transport is not set up):
//   --ca PEM     the certificates of the authorities trusted
//   --key PEM    this side's certificate and private key
//   --pass P     the key's password
// A client without --key presents no certificate: --ca with --key -
// sets up TLS without one.
//
// The server writes its reference to IORFILE and runs until shutdown().
// The client runs each ACTION (caller, calls, shutdown) in turn and prints
// one line each: "caller tls CN=...", "calls 3", "shutdown ok", or the
// action and the name of the system exception that ended it
// ("caller NO_PERMISSION").
#include "tls.hh"

#include <omniORB4/omniInterceptors.h>
#include <omniORB4/sslContext.h>
#include <openssl/bio.h>
#include <openssl/x509.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

CORBA::ORB_var orb;

// The subject of the verified certificate of the connection a request
// came on, kept for the servant on the thread that answers it.
thread_local std::string caller_subject;

std::string rfc2253(X509* cert) {
    if (!cert) return "-";
    BIO* bio = BIO_new(BIO_s_mem());
    X509_NAME_print_ex(bio, X509_get_subject_name(cert), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char* data = nullptr;
    long n = BIO_get_mem_data(bio, &data);
    std::string s(data, n);
    BIO_free(bio);
    return s;
}

CORBA::Boolean note_caller(omni::omniInterceptors::serverReceiveRequest_T::info_T& info) {
    // Without full peer details, omniORB's SSL transport hands the peer's
    // certificate (or null); other transports give null.
    caller_subject = rfc2253(static_cast<X509*>(info.peerdetails()));
    return 1;
}

class DoorImpl : public POA_Guarded::Door {
public:
    char* caller() override {
        count++;
        return CORBA::string_dup(("tls " + caller_subject).c_str());
    }
    CORBA::Long calls() override { return count.load(); }
    CORBA::Long small(CORBA::Long x) override {
        count++;
        return x + 1;
    }
    Guarded::Octets* echo(const Guarded::Octets& a) override {
        count++;
        return new Guarded::Octets(a);
    }
    void shutdown() override { orb->shutdown(0); }

private:
    std::atomic<int> count{0};
};

// An SSL context that presents no certificate: omniORB's own reads the
// key file it is given, and there is none.
class NoCertificate : public sslContext {
public:
    NoCertificate(const char* ca, const char* password) : sslContext(ca, "", password) {}

protected:
    void set_certificate() override {}
    void set_privatekey() override {}
};

// Takes the TLS options out of argv and sets up omniORB's SSL context
// from them; true when they were given.
bool tls_options(int& argc, char** argv) {
    static std::string ca, key, pass;
    bool any = false;
    int out = 1;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if ((a == "--ca" || a == "--key" || a == "--pass") && i + 1 < argc) {
            (a == "--ca" ? ca : a == "--key" ? key : pass) = argv[++i];
            any = true;
        } else {
            argv[out++] = argv[i];
        }
    }
    argc = out;
    argv[argc] = nullptr;
    if (!any) return false;
    if (key == "-") {
        sslContext::singleton = new NoCertificate(ca.c_str(), pass.c_str());
    } else {
        sslContext::certificate_authority_file = ca.c_str();
        sslContext::key_file = key.c_str();
        sslContext::key_file_password = pass.c_str();
    }
    return true;
}

int run_server(const char* ior_file) {
    omniORB::getInterceptors()->serverReceiveRequest.add(note_caller);
    CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
    PortableServer::POA_var poa = PortableServer::POA::_narrow(obj);
    PortableServer::POAManager_var manager = poa->the_POAManager();
    DoorImpl* door = new DoorImpl;
    PortableServer::ObjectId_var id = poa->activate_object(door);
    CORBA::Object_var ref = poa->id_to_reference(id.in());
    CORBA::String_var ior = orb->object_to_string(ref);
    manager->activate();
    {
        std::string tmp = std::string(ior_file) + ".tmp";
        std::ofstream f(tmp);
        f << ior.in() << std::endl;
        f.close();
        std::rename(tmp.c_str(), ior_file);
    }
    std::cout << "reference: " << ior.in() << std::endl;
    orb->run();
    std::cout << "server: stopped" << std::endl;
    orb->destroy();
    return 0;
}

void act(Guarded::Door_ptr door, const std::string& action) {
    try {
        if (action == "caller") {
            CORBA::String_var who = door->caller();
            std::cout << "caller " << who.in() << std::endl;
        } else if (action == "calls") {
            std::cout << "calls " << door->calls() << std::endl;
        } else if (action == "shutdown") {
            door->shutdown();
            std::cout << "shutdown ok" << std::endl;
        } else {
            std::cout << action << " unknown action" << std::endl;
        }
    } catch (const CORBA::SystemException& e) {
        std::cout << action << " " << e._name() << std::endl;
    }
}

void bench(Guarded::Door_ptr door, double seconds) {
    using clock = std::chrono::steady_clock;
    for (int i = 0; i < 200; i++) door->small(i);
    auto start = clock::now();
    long n = 0;
    while (std::chrono::duration<double>(clock::now() - start).count() < seconds) {
        for (int i = 0; i < 100; i++, n++)
            if (door->small(i) != i + 1) throw CORBA::BAD_PARAM();
    }
    std::cout << "calls/s " << n / std::chrono::duration<double>(clock::now() - start).count() << std::endl;
    Guarded::Octets big;
    big.length(1 << 20);
    for (CORBA::ULong i = 0; i < big.length(); i++) big[i] = (CORBA::Octet)i;
    for (int i = 0; i < 3; i++) Guarded::Octets_var warm = door->echo(big);
    start = clock::now();
    n = 0;
    while (std::chrono::duration<double>(clock::now() - start).count() < seconds) {
        Guarded::Octets_var back = door->echo(big);
        if (back->length() != big.length()) throw CORBA::MARSHAL();
        n++;
    }
    // Each call carries the megabyte there and back.
    std::cout << "MB/s " << 2.0 * n / std::chrono::duration<double>(clock::now() - start).count() << std::endl;
}

int usage() {
    std::cerr << "usage: tls_peer server IORFILE | client IOR ACTION... | bench IOR SECONDS"
                 " [--ca PEM --key PEM|- --pass P] [omniORB options]" << std::endl;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    tls_options(argc, argv);
    try {
        orb = CORBA::ORB_init(argc, argv);
        if (argc < 3) return usage();
        std::string mode = argv[1];
        if (mode == "server") return run_server(argv[2]);
        CORBA::Object_var obj = orb->string_to_object(argv[2]);
        Guarded::Door_var door = Guarded::Door::_unchecked_narrow(obj);
        if (mode == "bench") {
            if (argc < 4) return usage();
            bench(door, atof(argv[3]));
        } else if (mode == "client") {
            for (int i = 3; i < argc; i++) act(door, argv[i]);
        } else {
            return usage();
        }
        orb->destroy();
        return 0;
    } catch (const CORBA::SystemException& e) {
        std::cout << "FAILED: system exception " << e._name() << " minor " << e.minor() << std::endl;
    } catch (const CORBA::Exception& e) {
        std::cout << "FAILED: exception " << e._name() << std::endl;
    }
    return 1;
}
