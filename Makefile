# SPDX-License-Identifier: MIT
# Entry points: `make run` starts the program, `make test` runs every test.
# Both install missing system packages first, then configure and build.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run test test-asan bench package clean

all: build

deps:
	@packaging/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@$(BUILD)/corvane-calculator

test: build
	@ctest --preset $(PRESET)

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench:
	@$(MAKE) --no-print-directory build PRESET=bench
	@bench/run-benchmarks.sh build/bench

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf build
