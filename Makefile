# Every target installs what it needs from Debian's packages, then builds.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

PACKAGES := cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libjpeg62-turbo-dev fonts-liberation fonts-dejavu-core \
            desktop-file-utils appstream

.PHONY: all run test build deps clean

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
