# vevezo: the two everyday commands are `make demo` and `make test`.
JOBS ?= 2
TEST_DIR := build/test
RELEASE_DIR := build/release
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: setup test demo bench fuzz release clean

setup:
	@scripts/setup

# Debug build with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors.
test: setup
	cmake -S . -B $(TEST_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	    -DVEVEZO_SANITIZE=ON -DVEVEZO_WERROR=ON -DVEVEZO_BENCH=OFF
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && ctest -j$(JOBS) --output-on-failure

release: setup
	cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVEVEZO_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)

demo: release
	@scripts/demo $(RELEASE_DIR)/apps/vevezo/vevezo

bench: release
	@scripts/bench $(RELEASE_DIR)/bench

# Each fuzz target runs under libFuzzer for FUZZ_SECONDS, starting from its seed corpus.
fuzz: setup
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVEVEZO_LIBFUZZER=ON -DVEVEZO_TESTS=OFF -DVEVEZO_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	@scripts/fuzz $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
