# Set-up, build, tests and benchmarks on a fresh Debian 12 machine.
BUILD ?= build
DATA ?= demo-data
JOBS ?= $(shell nproc)
MARBELISTO = $(BUILD)/bin/marbelisto

.PHONY: deps build test demo bench clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: build
	@[ -f $(DATA)/marbelisto.db ] || $(MARBELISTO) init --data $(DATA) --demo
	$(MARBELISTO) --data $(DATA)

bench: build
	cmake --build $(BUILD) --target run-bench

clean:
	rm -rf $(BUILD)
