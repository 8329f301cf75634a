# SPDX-License-Identifier: GPL-3.0-or-later
# Flexoria: `make run` starts the program, `make test` runs every test.
# Both install what is missing first (Debian packages, see scripts/install-deps.sh).

BUILD_DIR      ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
FUZZ_BUILD_DIR ?= build-fuzz
RELEASE_BUILD_DIR ?= build-release
FUZZ_SECONDS   ?= 60
CMAKE_FLAGS    ?=

.PHONY: all deps build run test test-release lint bench fuzz install package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLEXORIA_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

run: build
	@if [ -x $(BUILD_DIR)/ui/flexoria ]; then $(BUILD_DIR)/ui/flexoria; \
	else $(BUILD_DIR)/cli/flexoria-cli --help; fi

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFLEXORIA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(TEST_BUILD_DIR)
	cd $(TEST_BUILD_DIR) && ctest --output-on-failure --timeout 600

# Every test again in an optimised build (-O3) without the sanitizers: the
# optimiser's own faults and warnings show here.
test-release: deps
	cmake -S . -B $(RELEASE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(RELEASE_BUILD_DIR)
	cd $(RELEASE_BUILD_DIR) && ctest --output-on-failure --timeout 600

# clang-format and clang-tidy over the project's sources. clang-tidy reads
# how each file is built from the test build, which must be built first:
# it makes the sources that are generated (word lists, Qt's moc output).
lint: deps
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFLEXORIA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(TEST_BUILD_DIR)
	scripts/lint.sh $(TEST_BUILD_DIR)

bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFLEXORIA_BUILD_TESTS=OFF -DFLEXORIA_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD_DIR)
	$(BENCH_BUILD_DIR)/bench/flexoria-bench --benchmark_filter='-BM_Sweep|BM_FullParadigm'
	bench/full-paradigm-vs-peer.sh $(BENCH_BUILD_DIR)/bench/flexoria-bench
	@if [ -x $(BENCH_BUILD_DIR)/bench/flexoria-window-bench ]; then \
	  $(BENCH_BUILD_DIR)/bench/flexoria-window-bench; fi
	scripts/measure-replay.sh $(BENCH_BUILD_DIR)/cli/flexoria-cli
	scripts/measure-identify.sh $(BENCH_BUILD_DIR)/cli/flexoria-cli
	scripts/measure-startup.sh $(BENCH_BUILD_DIR)/ui/flexoria

# Each libFuzzer target for FUZZ_SECONDS, starting from the seed corpus;
# a crash stops with the failing input saved in the working directory.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLEXORIA_SANITIZE=ON -DFLEXORIA_FUZZ=ON -DFLEXORIA_BUILD_TESTS=OFF -DFLEXORIA_BUILD_UI=OFF
	cmake --build $(FUZZ_BUILD_DIR)
	for target in session replay identify identify_text form_index cli_lines; do \
	  mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$target && \
	  $(FUZZ_BUILD_DIR)/tests/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	    -print_final_stats=1 $(FUZZ_BUILD_DIR)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

install: build
	cmake --install $(BUILD_DIR)

# The Debian package, built by debian/rules at -O2 with Debian's hardening
# flags after every test passed, then checked with lintian:
# $(BUILD_DIR)/flexoria_<version>_<arch>.deb
package: deps
	FLEXORIA_CMAKE_FLAGS="$(CMAKE_FLAGS)" scripts/build-package.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(RELEASE_BUILD_DIR) $(BENCH_BUILD_DIR) $(FUZZ_BUILD_DIR)
