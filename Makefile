# The front door: `make run` to play, `make test` to run every test headless.
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release
# A player's build is the game alone: no test, bench, screenshot or key-sending program, and no
# Qt Test. The targets that need those build with TESTING=ON.
TESTING ?= OFF

FUZZ_SECONDS ?= 60
# Where tools/fresh-machine proves the two commands: new minimal roots of these releases.
FRESH_RELEASES ?= bookworm trixie

# Whoever builds a commit, wherever and whenever, what it ships is dated by the commit: rcc,
# the linkers and CPack read this (a tree without git's history builds with today's date).
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: release reproduce windows test-windows run test test-desktops sanitize fuzz bench fresh-machines build deps test-deps screenshots package clean

# Without a display the game says so in one line itself.
run: deps build
	$(BUILD_DIR)/app/quadrel

# The desktop legs need window managers and compositors that a contributor's own machine
# should not get from here; without them, every other test still runs. DESKTOP_TESTS=no
# leaves them out where they are installed too (CI plays them in fresh roots instead).
DESKTOP_TESTS ?= auto
test screenshots: TESTING = ON
test: test-deps build
	@labels=; if [ "$(DESKTOP_TESTS)" = no ]; then labels="-LE desktop"; \
	elif ! tools/install-deps --check desktops; then labels="-LE desktop"; \
	    echo "The desktop and screen-reader games need packages this machine lacks: make test-desktops installs them and plays them."; fi; \
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $$labels

# The games on every desktop and under the screen reader, after installing what they need.
# The build is configured again, so that key senders whose headers just came are built.
test-desktops: test-deps
	tools/install-deps desktops
	$(MAKE) build TESTING=ON
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -L desktop

# The README's two commands as a new user on new minimal roots of Debian 12 and 13.
fresh-machines:
	tools/install-deps fresh
	tools/fresh-machine $(FRESH_RELEASES)

# Every test again under AddressSanitizer and UBSan, built in build-asan/ (tests on).
sanitize: test-deps
	tools/sanitize-tests $(if $(filter no,$(DESKTOP_TESTS)),-LE desktop)

# The text and marking fuzzer (libFuzzer), built in build-fuzz/, run for FUZZ_SECONDS.
fuzz:
	tools/install-deps fuzz
	tools/fuzz $(FUZZ_SECONDS)

# The game against bare Qt programs under Xvfb (Release, in build-bench/, where tests and
# bench are on by default): one table.
bench: test-deps
	tools/hermetic 1200 tools/bench

build:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DBUILD_TESTING=$(TESTING)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Pictures of both windows under Xvfb, for the README.
screenshots: test-deps build
	tools/hermetic 120 tools/screenshots $(BUILD_DIR)

# A Debian package of the game, in the build folder (dpkg-dev works out its dependencies). The
# package's own members take the modes of the files CPack writes, so its umask is fixed.
package: build
	tools/install-deps package
	cd $(BUILD_DIR) && umask 022 && cpack -G DEB

# The Windows release, cross-built here in build-windows/ with Debian's MinGW-w64 and Qt and
# ICU built from Debian's own sources (tools/windows/; the first build of Qt takes about half
# an hour): Quadrel.exe, a portable zip and an installer, and no test. A Linux build needs
# none of it.
windows:
	tools/install-deps windows
	TESTING=$(TESTING) BUILD_DIR=$(WINDOWS_BUILD_DIR) tools/windows/build

# The Windows build's tests under Wine, built along with the release: the Qt Test suites, the
# game played by keys on Wine's windows, the executable's resources and the installer.
test-windows: TESTING = ON
test-windows: windows
	cd $(WINDOWS_BUILD_DIR) && ctest --output-on-failure -L windows

# What we publish, in release/: the .deb of this machine's Debian release, the Windows game, zip
# and installer, and SHA256SUMS (tools/release). Each is built afresh in a folder of its own,
# as a step that is up to date would keep the last commit's date. `make reproduce` builds them
# all again as another builder would and compares them byte for byte.
release:
	rm -rf build-release build-windows-release
	$(MAKE) package BUILD_DIR=build-release
	$(MAKE) windows WINDOWS_BUILD_DIR=build-windows-release
	tools/release build-release build-windows-release release

reproduce: release
	tools/install-deps reproduce
	tools/reproduce release

deps:
	tools/install-deps build

test-deps:
	tools/install-deps test

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-bench $(WINDOWS_BUILD_DIR) build-release \
	    build-windows-release release
