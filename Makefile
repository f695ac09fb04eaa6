# SPDX-License-Identifier: MIT
# Entry points: `make run` starts the program, `make test` runs every test.
# Both install missing system packages first, then configure and build.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run test test-asan bench fuzz-build fuzz-replay fuzz package clean

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

# libFuzzer targets, built with clang in build/fuzz. fuzz-replay (CI) replays
# the seed corpus and fuzzes each target for 30 s; fuzz is the longer local
# run, FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 600

fuzz-build: deps
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	@cmake --build --preset fuzz

fuzz-replay: fuzz-build
	@fuzz/run-fuzzers.sh build/fuzz 30

fuzz: fuzz-build
	@fuzz/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf build
