# Front door: everything goes through CMake; these targets only pick the build folder.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
WIN_BUILD  ?= build-windows
WIN32_BUILD ?= build-windows-x86
THREAD_BUILD ?= build-thread
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
# Further options for every configure step, e.g. -DBUILD_TESTING=OFF.
CMAKE_FLAGS ?=
# One commit builds to the same bytes: whatever a build stamps with a time (the package's
# archives, the window's compiled-in pictures) takes the last commit's, unless it is set already.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: all deps deps-windows deps-package deps-fuzz build run screenshots test test-sanitize \
	test-thread test-windows fuzz windows windows-installer check-windows-installer \
	screenshots-windows format-check bench install package check-install check-reproducible clean

all: build

deps:
	@scripts/install-deps.sh native

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

$(SAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDUPLEXA_SANITIZE=ON $(CMAKE_FLAGS)

test-sanitize: deps $(SAN_BUILD)/CMakeCache.txt
	cmake --build $(SAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# The Qt-free libraries and their tests under ThreadSanitizer (Qt itself is not built for it).
# Without the randomised layout: this sanitizer's fixed memory map may clash with it.
$(THREAD_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(THREAD_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDUPLEXA_THREAD_SANITIZE=ON \
		-DDUPLEXA_WITH_WINDOW=OFF $(CMAKE_FLAGS)

test-thread: deps $(THREAD_BUILD)/CMakeCache.txt
	cmake --build $(THREAD_BUILD) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 setarch $$(uname -m) -R \
		ctest --test-dir $(THREAD_BUILD) --output-on-failure -j $(JOBS)

deps-fuzz:
	@scripts/install-deps.sh fuzz

# Each fuzz target a fixed number of runs under ASan and UBSan (FUZZ_TIMES multiplies them).
$(FUZZ_BUILD)/CMakeCache.txt: | deps-fuzz
	CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DDUPLEXA_FUZZ=ON \
		-DDUPLEXA_WITH_WINDOW=OFF $(CMAKE_FLAGS)

fuzz: deps-fuzz $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) --target duplexa-fuzz -j $(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(or $(FUZZ_TIMES),1)

# The window needs a display; without one, say so before building anything.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "No display found: run it under a desktop session, or try: xvfb-run -a make run" >&2; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	$(BUILD)/window/qt/duplexa

# Pictures of the window in its typical states, rendered off screen, into screenshots/, and
# the same on a screen at 200 % into screenshots/2x/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/screenshots/duplexa-screenshots screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tests/screenshots/duplexa-screenshots \
		screenshots/2x

deps-windows:
	@scripts/install-deps.sh windows

deps-package:
	@scripts/install-deps.sh package

# The program, its menu entry, icons and metadata under $(PREFIX), staged below $(DESTDIR) if set.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, $(BUILD)/duplexa_<version>-1_<arch>.deb.
package: build deps-package
	cmake --build $(BUILD) --target package

# Validates the installed files and the package, then starts the program unpacked from it.
check-install: build deps-package
	scripts/check-install.sh $(BUILD)

# Builds the last commit twice, in fresh clones in two folders, and compares the package and the
# Windows programs byte for byte.
check-reproducible:
	scripts/check-reproducible.sh

# Cross build of everything but the Qt window (the Win32 window instead), tested under Wine.
$(WIN_BUILD)/CMakeCache.txt: | deps-windows
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DDUPLEXA_WITH_WINDOW=OFF $(CMAKE_FLAGS)

$(WIN32_BUILD)/CMakeCache.txt: | deps-windows
	cmake -S . -B $(WIN32_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
		-DCMAKE_BUILD_TYPE=Release -DDUPLEXA_WITH_WINDOW=OFF $(CMAKE_FLAGS)

# The Windows program for 64-bit and 32-bit Windows, each one self-contained .exe.
windows: deps-windows $(WIN_BUILD)/CMakeCache.txt $(WIN32_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) --target duplexa -j $(JOBS)
	cmake --build $(WIN32_BUILD) --target duplexa -j $(JOBS)
	mkdir -p dist/windows
	cp $(WIN_BUILD)/window/win32/duplexa.exe dist/windows/duplexa.exe
	cp $(WIN32_BUILD)/window/win32/duplexa.exe dist/windows/duplexa-x86.exe
	scripts/check-windows-imports.sh dist/windows/duplexa.exe dist/windows/duplexa-x86.exe

# The per-user setup program of the 64-bit program: dist/windows/duplexa-<version>-setup.exe.
windows-installer: windows
	makensis -V2 -NOCD -DGENERATED=$(WIN_BUILD)/generated -DDIST=dist/windows \
		packaging/windows/duplexa.nsi

# Installs it silently under Wine in a prefix of its own, starts the program and uninstalls it.
check-windows-installer: windows-installer
	scripts/check-windows-installer.sh dist/windows/duplexa-*-setup.exe dist/windows/duplexa.exe \
		$(WIN_BUILD)/installer-check

# The suite of both builds, the 32-bit one on 32-bit Wine as 32-bit Windows would run it.
test-windows: deps-windows $(WIN_BUILD)/CMakeCache.txt $(WIN32_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) -j $(JOBS)
	scripts/run-wine-tests.sh $(WIN_BUILD) -j $(JOBS)
	cmake --build $(WIN32_BUILD) -j $(JOBS)
	WINEARCH=win32 scripts/run-wine-tests.sh $(WIN32_BUILD) -j $(JOBS)

# The same pictures of the Win32 window under Wine, into screenshots/windows/.
screenshots-windows: deps-windows $(WIN_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) --target duplexa-screenshots -j $(JOBS)
	scripts/wine-screenshots.sh $(WIN_BUILD) screenshots/windows

# Fails when a source file differs from what clang-format makes of it.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# BASELINE=REV also times the benchmark of that commit, built beside this one, in turns with it.
bench: build
	@scripts/install-deps.sh bench
	BASELINE=$(BASELINE) scripts/bench.sh $(BUILD)/bench/duplexa-bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(THREAD_BUILD) $(FUZZ_BUILD) $(WIN_BUILD) $(WIN32_BUILD) dist/windows
