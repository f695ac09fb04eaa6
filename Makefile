# SPDX-License-Identifier: MIT
# Entry points: `make run` builds and starts the program, `make test` builds
# everything and runs the tests. Each first installs the system packages it
# needs (packaging/deps-*.txt); CORVANE_SKIP_DEPS=1 skips that step.

PRESET ?= default
BUILD  := build/$(PRESET)

# Builds and packages made from one commit are the same bytes: Qt's resource
# compiler and cpack stamp files with SOURCE_DATE_EPOCH instead of the time
# of the build, here the time of the last commit unless already set.
SOURCE_DATE_EPOCH ?= $(shell git -C $(CURDIR) log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: all deps-program deps-test deps-fuzz-bench configure configure-tests \
        build build-program run test test-long test-asan bench fuzz-build \
        fuzz-replay fuzz package clean

all: build

deps-program:
	@packaging/install-deps.sh program

deps-test:
	@packaging/install-deps.sh program test

deps-fuzz-bench:
	@packaging/install-deps.sh program fuzz-bench

# A new build tree for the program alone is configured without the tests, so
# that it needs none of their packages. The tests switch them on in the same
# tree; the program is then not built twice.
configure: deps-program
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET) -DBUILD_TESTING=OFF

configure-tests: deps-test
	@[ -f $(BUILD)/build.ninja ] && grep -q '^BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt || \
	  cmake --preset $(PRESET) -DBUILD_TESTING=ON

build-program: configure
	@cmake --build --preset $(PRESET) --target corvane-calculator

build: configure-tests
	@cmake --build --preset $(PRESET)

run: build-program
	@$(BUILD)/corvane-calculator

# Everything but the long runs (CTest label long), which test-long runs.
test: build
	@ctest --preset $(PRESET)

test-long: build
	@ctest --preset $(PRESET)-long

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: deps-fuzz-bench
	@[ -f build/bench/build.ninja ] || cmake --preset bench
	@cmake --build --preset bench
	@bench/run-benchmarks.sh build/bench

# libFuzzer targets, built with clang in build/fuzz. fuzz-replay (CI) replays
# the seed corpus and fuzzes each target for 30 s; fuzz is the longer local
# run, FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 600

fuzz-build: deps-fuzz-bench
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	@cmake --build --preset fuzz

fuzz-replay: fuzz-build
	@fuzz/run-fuzzers.sh build/fuzz 30

fuzz: fuzz-build
	@fuzz/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

# The .deb lands in $(BUILD)/. cpack takes SOURCE_DATE_EPOCH from the last
# commit unless it is set, so two runs on one commit give the same file.
package: build-program
	@packaging/install-deps.sh program test
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/corvane-calculator_*.deb

clean:
	@rm -rf build
