# Every target installs what it needs from Debian's packages, then builds.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core

.PHONY: all run test build deps clean sanitize

all: build

deps:
	@sh tools/install-packages.sh $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/kestravo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole project with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer, and
# every test run under them: any report fails the run.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVO_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
