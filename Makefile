# Entry points; each works on a fresh machine by itself.
#   make demo        both sides of examples/bank.idl compiled; a client calls the bank server over IIOP
#                    (TLS=1: over TLS, both sides with certificates examples/tls-keys makes)
#   make check       build, then run every test
#   make check-asan  the same tests under AddressSanitizer and UBSan
#   make fuzz        the fuzz targets, FUZZ_SECONDS (default 180) each
#   make install     install under PREFIX (default /usr/local), honouring DESTDIR
#   make package     build a Debian package (.deb) in the build directory
#   make bench       the benchmark tables: the compiler (inputs cached in build/bench-inputs), the ORB against omniORB
#   make random      SEEDS random IDL programs (default 1000) generated, compiled, round-tripped
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
GENERATOR  := -G Ninja

PREFIX     ?= /usr/local

.PHONY: all setup configure build demo check check-asan fuzz install package bench random clean
FUZZ_SECONDS ?= 180

all: build

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex_runtime
	@echo "== generating both sides of examples/bank.idl (-fclient -fserver)"
	@rm -rf $(BUILD)/demo-java && mkdir -p $(BUILD)/demo-java/classes
	$(BUILD)/quorvex -fclient -fserver -j $(BUILD)/demo-java -J $(BUILD)/demo-java/files.txt examples/bank.idl
	@echo "== $$(wc -l < $(BUILD)/demo-java/files.txt) Java files written under $(BUILD)/demo-java (listed in $(BUILD)/demo-java/files.txt):"
	@sed 's/^/   /' $(BUILD)/demo-java/files.txt
	@echo "== compiling them, with the servant and client of examples/java, against $(BUILD)/quorvex-runtime.jar"
	javac -nowarn -cp $(BUILD)/quorvex-runtime.jar -d $(BUILD)/demo-java/classes $$(cat $(BUILD)/demo-java/files.txt) examples/java/*.java
	@server_tls=""; client_tls=""; \
	if [ "$(TLS)" = 1 ]; then \
	    keys=$(BUILD)/demo-java/tls; echo "== TLS=1: keys and certificates of both sides in $$keys (examples/tls-keys)"; \
	    examples/tls-keys $$keys >/dev/null || exit 1; \
	    server_tls="-ORBTlsPort 0 -ORBTlsKeyStore $$keys/server.p12 -ORBTlsKeyStorePassword demo-pass"; \
	    server_tls="$$server_tls -ORBTlsTrustStore $$keys/server-trust.p12 -ORBTlsTrustStorePassword demo-pass"; \
	    client_tls="-ORBTlsKeyStore $$keys/client.p12 -ORBTlsKeyStorePassword demo-pass"; \
	    client_tls="$$client_tls -ORBTlsTrustStore $$keys/client-trust.p12 -ORBTlsTrustStorePassword demo-pass"; \
	    echo "== starting BranchServer on 127.0.0.1 in the background, taking TLS only, then BankClient against it over TLS"; \
	else \
	    echo "== starting BranchServer on 127.0.0.1 in the background, then BankClient against it over IIOP"; \
	fi; \
	cp=$(BUILD)/quorvex-runtime.jar:$(BUILD)/demo-java/classes; ior=$(BUILD)/demo-java/branch.ior; rm -f $$ior; \
	java -cp $$cp BranchServer $$ior -ORBHost 127.0.0.1 $$server_tls & server=$$!; \
	trap 'kill $$server 2>/dev/null' EXIT INT TERM; \
	for i in $$(seq 300); do [ -s $$ior ] && break; kill -0 $$server 2>/dev/null || break; sleep 0.1; done; \
	[ -s $$ior ] || { echo "the server did not start"; exit 1; }; \
	timeout 120 java -cp $$cp BankClient $$ior $$client_tls; status=$$?; \
	sleep 0.5; echo "== stopping the server"; kill $$server; wait $$server 2>/dev/null; exit $$status

check: build
	cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

check-asan: setup
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest -j $(JOBS) --output-on-failure

install: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex_maven_repo
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

package: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex_maven_repo
	cd $(BUILD) && cpack -G DEB

SEEDS      ?= 1000
FIRST_SEED ?= 1
random: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex_runtime
	python3 tests/random/run_random.py --quorvex $(BUILD)/quorvex --javac javac \
	    --runtime-jar $(BUILD)/quorvex-runtime.jar --first $(FIRST_SEED) --count $(SEEDS)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quorvex quorvex_runtime
	python3 bench/run_bench.py --quorvex $(BUILD)/quorvex
	python3 bench/run_orb_bench.py --quorvex $(BUILD)/quorvex --jar $(BUILD)/quorvex-runtime.jar --work $(BUILD)/interop

fuzz:
	scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
