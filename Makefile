# The front door: `make run` to play, `make test` to run every test headless.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

FUZZ_SECONDS ?= 60

.PHONY: run test sanitize fuzz bench build deps test-deps screenshots package clean

# Without a display the game says so in one line itself.
run: deps build
	$(BUILD_DIR)/app/quadrel

test: test-deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again under AddressSanitizer and UBSan, built in build-asan/.
sanitize: test-deps
	tools/sanitize-tests

# The text and marking fuzzer (libFuzzer), built in build-fuzz/, run for FUZZ_SECONDS.
fuzz: test-deps
	tools/fuzz $(FUZZ_SECONDS)

# The game against bare Qt programs under Xvfb (Release, in build-bench/): one table.
bench: test-deps
	tools/bench

build:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Pictures of both windows under Xvfb, for the README.
screenshots: test-deps build
	tools/screenshots $(BUILD_DIR)

# A Debian package of the game, in the build folder (dpkg-dev works out its dependencies).
package: deps build
	tools/install-deps package
	cd $(BUILD_DIR) && cpack -G DEB

deps:
	tools/install-deps build

test-deps:
	tools/install-deps test

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-bench
