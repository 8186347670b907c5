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

# Every deliverable, under dist/; each platform adds its own prerequisite.
dist: dist-native

# The native library without debug information, checked for how it binds
# before it takes its place.
.PHONY: dist-native
dist-native: build
	mkdir -p dist/linux-x86_64
	strip --strip-debug -o dist/linux-x86_64/napSheen.so.tmp $(BUILD)/shader/napSheen.so
	tests/check_exports.sh dist/linux-x86_64/napSheen.so.tmp || { rm -f dist/linux-x86_64/napSheen.so.tmp; exit 1; }
	mv -f dist/linux-x86_64/napSheen.so.tmp dist/linux-x86_64/napSheen.so

# Windows i386: napSheen.dll cross-built with mingw-w64 and tested under Wine
# (a prefix of its own inside the build tree).
BUILD_WIN32 ?= build-win32
.PHONY: build-win32 test-win32 dist-win32 clean-win32

build-win32:
	scripts/install-deps win32
	cmake -S . -B $(BUILD_WIN32) -G Ninja --toolchain cmake/i686-w64-mingw32.cmake
	cmake --build $(BUILD_WIN32)

test-win32: build-win32
	ctest --test-dir $(BUILD_WIN32) --output-on-failure -L win32 -j $(JOBS)

# The shipped DLL: without debug information, checked before it takes its place.
dist-win32: build-win32
	mkdir -p dist/windows-i386
	i686-w64-mingw32-strip --strip-debug -o dist/windows-i386/napSheen.dll.tmp $(BUILD_WIN32)/shader/napSheen.dll
	tests/win32/check_pe_exports.sh dist/windows-i386/napSheen.dll.tmp || { rm -f dist/windows-i386/napSheen.dll.tmp; exit 1; }
	mv -f dist/windows-i386/napSheen.dll.tmp dist/windows-i386/napSheen.dll

clean-win32:
	rm -rf $(BUILD_WIN32)

test: test-win32
dist: dist-win32
clean: clean-win32

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

bench: build
	$(BUILD)/bench/napsheen_bench
	$(MAKE) --no-print-directory bench-binding

# What a bound late-binding stub adds to a host call: natively, then on the
# real DLL under Wine, whose figures join the native program's table.
.PHONY: bench-binding
bench-binding: build build-win32
	rm -f $(BUILD)/bench/binding-wine.txt
	tests/win32/wine-run.sh $(abspath $(BUILD_WIN32))/wineprefix $(BUILD_WIN32)/bench/win32/napsheen_binding_bench.exe \
	  --results $(BUILD)/bench/binding-wine.txt
	$(BUILD)/bench/napsheen_binding_bench --wine $(BUILD)/bench/binding-wine.txt

# 32-bit big-endian PowerPC: cross-built napSheen.so, tested under qemu-ppc.
PPC32_BUILD ?= build-ppc32
.PHONY: ppc32 test-ppc32 dist-ppc32

ppc32:
	scripts/install-deps native ppc32
	cmake -S . -B $(PPC32_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/powerpc-linux-gnu.cmake \
	  -DNAPSHEEN_BUILD_TESTS=OFF
	cmake --build $(PPC32_BUILD)

test-ppc32: ppc32
	ctest --test-dir $(PPC32_BUILD) --output-on-failure -L ppc32 -j $(JOBS)

# Only a library that binds as a host-loaded shader is shipped, without debug information.
dist-ppc32: ppc32
	mkdir -p dist/linux-ppc32
	powerpc-linux-gnu-strip --strip-debug -o dist/linux-ppc32/napSheen.so.tmp $(PPC32_BUILD)/shader/napSheen.so
	tests/check_exports.sh dist/linux-ppc32/napSheen.so.tmp powerpc-linux-gnu-readelf || { rm -f dist/linux-ppc32/napSheen.so.tmp; exit 1; }
	mv -f dist/linux-ppc32/napSheen.so.tmp dist/linux-ppc32/napSheen.so

test: test-ppc32
dist: dist-ppc32
