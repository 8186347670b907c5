# Front door to the CMake build. Every target installs what it needs first.
BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all build test preview dist bench clean

all: build

build:
	scripts/install-deps native
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake --build $(BUILD) --target compare_builds

preview:
	@echo "make preview: the preview renderer is not part of the tree yet" >&2; exit 1

clean:
	rm -rf $(BUILD)
