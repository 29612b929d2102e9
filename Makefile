# Set-up, build, tests and benchmarks on a fresh Debian 12 machine.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
PACKAGE_BUILD ?= build-package
# Extra ctest arguments for the sanitized run, e.g. -E _postgresql for SQLite only.
SANITIZE_TESTS ?=
DATA ?= demo-data
JOBS ?= $(shell nproc)
MARBELISTO = $(BUILD)/bin/marbelisto

.PHONY: deps build test test-sanitize demo bench clean package check-package

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of its own.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVONTARELIS_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) $(SANITIZE_TESTS)

# The window needs a display; without one, say how to get a virtual one rather than fail in Qt.
demo:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make demo opens the Marbelisto window, and this session has no display (DISPLAY and WAYLAND_DISPLAY are unset)."; \
	  echo "Run it under a virtual X server:"; \
	  echo "    xvfb-run make demo"; \
	  echo "(xvfb-run is in the Debian package xvfb; 'make deps' installs it.)"; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@[ -f $(DATA)/marbelisto.db ] || $(MARBELISTO) init --data $(DATA) --demo
	$(MARBELISTO) --data $(DATA)

bench: build
	cmake --build $(BUILD) --target run-bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD) marbelisto_*.deb

# The Debian package marbelisto_<version>_<arch>.deb in this folder: a release build for /usr with
# Debian's hardening flags, without the tests, stripped by CPack. The path-mapping flag is left
# out so that the compiler cache serves a clone in any folder.
package: deps
	DEB_BUILD_MAINT_OPTIONS="hardening=+bindnow reproducible=-fixfilepath,-fixdebugpath"; export DEB_BUILD_MAINT_OPTIONS; \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVONTARELIS_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f marbelisto_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	mv $(PACKAGE_BUILD)/marbelisto_*.deb .

# Installs the package as apt does, uses it as a fresh user would, removes it and runs lintian
# (as root: it installs and purges the package and adds a user for the while).
check-package: package
	scripts/check-package.sh marbelisto_*.deb

# The readers of site-written text under libFuzzer: a clang build of their own, apart from $(BUILD).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz
fuzz: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
