# Every target installs what it needs from Debian's packages, then builds.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Every build here treats warnings as errors; a plain CMake build does not.
CONFIGURE := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core \
            desktop-file-utils appstream xvfb x11-utils libx11-dev

# The Windows program: MinGW-w64 cross builds, checked on this machine with Wine.
WINDOWS_PACKAGES := g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 \
                    binutils-mingw-w64-x86-64 wine64 xvfb xdotool imagemagick
WINDOWS_CONFIGURE := $(CONFIGURE) -DKESTRAVO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

.PHONY: all run test build deps clean windows windows-deps sanitize release bench

all: build

deps:
	@sh tools/install-packages.sh $(PACKAGES)

# Configured again when this file changes, so that a build tree takes up new settings; CMake
# leaves an unchanged cache file as it was, hence the touch.
$(BUILD_DIR)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIGURE)
	touch $@

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/kestravo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# build-win32 holds the shipped 32-bit program; build-win64 is only for running under Wine
# here, where the kernel cannot run 32-bit x86 programs.
windows-deps:
	@sh tools/install-packages.sh $(WINDOWS_PACKAGES)

build-win32/CMakeCache.txt: Makefile | windows-deps
	cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(WINDOWS_CONFIGURE)
	touch $@

build-win64/CMakeCache.txt: Makefile | windows-deps
	cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake $(WINDOWS_CONFIGURE)
	touch $@

windows: deps windows-deps $(BUILD_DIR)/CMakeCache.txt build-win32/CMakeCache.txt \
         build-win64/CMakeCache.txt
	cmake --build build-win32 -j $(JOBS)
	cmake --build build-win64 -j $(JOBS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target pe_check_tests
	KESTRAVO_EXE=$(CURDIR)/build-win32/KESTRAVO.exe ./$(BUILD_DIR)/pe_check_tests
	cd $(BUILD_DIR) && ctest --output-on-failure -R '^wine_'


# The whole project with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer, and
# every test run under them: any report fails the run.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVO_SANITIZE=ON \
	    $(CONFIGURE)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The Release configuration that packagers build (-O3), tests included, and every test run on it.
RELEASE_DIR ?= build-release

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release $(CONFIGURE)
	cmake --build $(RELEASE_DIR) -j $(JOBS)
	cd $(RELEASE_DIR) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(RELEASE_DIR) build-win32 build-win64

# Speed and memory figures, written into bench/README.md; not a test.
BENCH_PACKAGES := libbenchmark-dev libxdamage-dev xvfb python3

bench: deps
	@sh tools/install-packages.sh $(BENCH_PACKAGES)
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVO_BENCH=ON $(CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	sh bench/run.sh $(BUILD_DIR)
