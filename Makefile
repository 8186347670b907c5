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

# Renders the default material ball to out/preview.png and prints the path.
preview: deps-preview
	scripts/install-deps native
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target napsheen-preview
	$(BUILD)/preview/napsheen-preview -o out/preview.png

# The preview renderer's image, font and argument libraries, for every build.
.PHONY: deps-preview preview-references
build: deps-preview
deps-preview:
	scripts/install-deps preview

# Rewrites the preview's image-test references from the current renders.
preview-references: build
	NAPSHEEN_REGENERATE_REFERENCES=1 ctest --test-dir $(BUILD) -L image --output-on-failure

clean:
	rm -rf $(BUILD)
