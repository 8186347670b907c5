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

# Hardening, with clang: the library, its test host and its tests under
# AddressSanitizer with UndefinedBehaviorSanitizer (with the fuzzer beside
# them) and under ThreadSanitizer, each in a tree of its own; the fuzzer for
# a bounded time; clang-tidy and cppcheck over the sources.
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_SECONDS ?= 60
FUZZ_LONG_SECONDS ?= 1800
CLANG_CMAKE = -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
FUZZER = $(ASAN_BUILD)/tests/napsheen_shading_fuzzer
FUZZ_ARGS = -dict=tests/fuzz/shading.dict -print_final_stats=1 \
	-artifact_prefix=$(ASAN_BUILD)/fuzz-artifacts/ $(ASAN_BUILD)/fuzz-corpus tests/fuzz/corpus
CPPCHECK_ARGS = --enable=warning,style,performance,portability --inconclusive --std=c++17 \
	--library=googletest --library=posix --inline-suppr --quiet --error-exitcode=1 \
	--suppressions-list=.cppcheck-suppressions

.PHONY: build-asan test-asan test-tsan test-fuzz fuzz fuzz-seeds lint

test: test-asan test-tsan test-fuzz lint

build-asan: deps-preview
	scripts/install-deps native fuzz
	cmake -S . -B $(ASAN_BUILD) $(CLANG_CMAKE) -DNAPSHEEN_SANITIZE="address;undefined" \
	  -DNAPSHEEN_FUZZ=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: build-asan
	UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test-tsan: deps-preview
	scripts/install-deps native fuzz
	cmake -S . -B $(TSAN_BUILD) $(CLANG_CMAKE) -DNAPSHEEN_SANITIZE=thread
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS)

# The bounded run of `make test` keeps libFuzzer's chatter in a log and shows
# its totals; on a failure, the end of the log with the call as a table row.
test-fuzz: build-asan
	@mkdir -p $(ASAN_BUILD)/fuzz-corpus $(ASAN_BUILD)/fuzz-artifacts
	@echo "fuzzing napSheen for $(FUZZ_SECONDS) s (log: $(ASAN_BUILD)/fuzz.log)"
	@$(FUZZER) -max_total_time=$(FUZZ_SECONDS) $(FUZZ_ARGS) >$(ASAN_BUILD)/fuzz.log 2>&1 \
	  || { tail -n 80 $(ASAN_BUILD)/fuzz.log; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' $(ASAN_BUILD)/fuzz.log
	@echo "corpus: $$(ls $(ASAN_BUILD)/fuzz-corpus | wc -l) inputs found, $$(ls tests/fuzz/corpus | wc -l) seeds"

fuzz: build-asan
	@mkdir -p $(ASAN_BUILD)/fuzz-corpus $(ASAN_BUILD)/fuzz-artifacts
	$(FUZZER) -max_total_time=$(FUZZ_LONG_SECONDS) $(FUZZ_ARGS)

# Writes the case table's rows as seeds into tests/fuzz/corpus.
fuzz-seeds: build
	$(BUILD)/tests/napsheen_fuzz_seeds tests/cases/shading.cases tests/fuzz/corpus

# Both analysers read every source the ASan tree compiles, and the headers
# those include.
lint: build-asan
	run-clang-tidy -p $(ASAN_BUILD) -j $(JOBS) -quiet
	cppcheck $(CPPCHECK_ARGS) --project=$(ASAN_BUILD)/compile_commands.json
