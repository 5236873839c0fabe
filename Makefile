# Every target installs what it needs from Debian's packages, then builds.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core

.PHONY: all run test build deps clean bench

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

clean:
	rm -rf $(BUILD_DIR)

# Speed and memory figures, written into bench/README.md; not a test.
BENCH_PACKAGES := libbenchmark-dev libxdamage-dev xvfb xauth python3

bench: deps
	@sh tools/install-packages.sh $(BENCH_PACKAGES)
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVO_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	sh bench/run.sh $(BUILD_DIR)
