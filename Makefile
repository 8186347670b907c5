# Front door to the CMake builds. Every target installs what it needs first
# (scripts/install-deps: Debian packages, only those missing).
#
#   make preview   render the default material ball to out/preview.png
#   make test      build every target and run every test
#   make dist      the three deliverables under dist/
#   make bench     the benchmarks, as ratios measured in one run
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=
BUILD       ?= build
BUILD_WIN32 ?= build-win32
BUILD_PPC32 ?= build-ppc32
BUILD_ASAN  ?= build-asan
BUILD_TSAN  ?= build-tsan

.PHONY: all build preview test dist bench clean

all: build

# --- native x86-64: the library, its tests, the preview renderer, the benchmarks

build:
	scripts/install-deps native preview
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

# Renders the default material ball to out/preview.png and prints the path.
preview:
	scripts/install-deps native preview
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target napsheen-preview
	$(BUILD)/preview/napsheen-preview -o out/preview.png

# Every platform's tests run first; the native suite, then the comparison of
# every build's case-table results, come last.
test: build test-win32 test-ppc32 test-asan test-tsan test-fuzz lint
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake --build $(BUILD) --target compare_builds

dist: dist-native dist-win32 dist-ppc32

# Rewrites the preview's image-test references from the current renders.
.PHONY: preview-references
preview-references: build
	NAPSHEEN_REGENERATE_REFERENCES=1 ctest --test-dir $(BUILD) -L image --output-on-failure

# A shipped library loses its debug information and is checked for how it
# binds before it takes its place: $(call ship,STRIP,CHECK,BUILT,SHIPPED).
ship = mkdir -p $(dir $(4)) && $(1) --strip-debug -o $(4).tmp $(3) \
	&& { $(2) $(4).tmp || { rm -f $(4).tmp; exit 1; }; } && mv -f $(4).tmp $(4)

.PHONY: dist-native
dist-native: build
	$(call ship,strip,tests/check_exports.sh,$(BUILD)/shader/napSheen.so,dist/linux-x86_64/napSheen.so)

bench: build
	$(BUILD)/bench/napsheen_bench
	$(MAKE) --no-print-directory bench-binding
	$(MAKE) --no-print-directory bench-preview

# What a bound late-binding stub adds to a host call: natively, then on the
# real DLL under Wine, whose figures join the native program's table.
.PHONY: bench-binding
bench-binding: build build-win32
	rm -f $(BUILD)/bench/binding-wine.txt
	tests/win32/wine-run.sh $(abspath $(BUILD_WIN32))/wineprefix $(BUILD_WIN32)/bench/win32/napsheen_binding_bench.exe \
	  --results $(BUILD)/bench/binding-wine.txt
	$(BUILD)/bench/napsheen_binding_bench --wine $(BUILD)/bench/binding-wine.txt

# The default preview with one thread and with one per core.
.PHONY: bench-preview
bench-preview: build
	bench/preview_bench.sh $(BUILD)/preview/napsheen-preview

clean: clean-win32
	rm -rf $(BUILD) $(BUILD_PPC32) $(BUILD_ASAN) $(BUILD_TSAN)

# --- Windows i386: napSheen.dll cross-built with mingw-w64, tested under Wine
# (a prefix of its own inside the build tree)

.PHONY: build-win32 test-win32 dist-win32 clean-win32

build-win32:
	scripts/install-deps win32
	cmake -S . -B $(BUILD_WIN32) -G Ninja --toolchain cmake/i686-w64-mingw32.cmake
	cmake --build $(BUILD_WIN32)

test-win32: build-win32
	ctest --test-dir $(BUILD_WIN32) --output-on-failure -L win32 -j $(JOBS)

dist-win32: build-win32
	$(call ship,i686-w64-mingw32-strip,tests/win32/check_pe_exports.sh,$(BUILD_WIN32)/shader/napSheen.dll,dist/windows-i386/napSheen.dll)

clean-win32:
	rm -rf $(BUILD_WIN32)

# --- 32-bit big-endian PowerPC: napSheen.so cross-built, tested under qemu-ppc

.PHONY: build-ppc32 test-ppc32 dist-ppc32

build-ppc32:
	scripts/install-deps native ppc32
	cmake -S . -B $(BUILD_PPC32) -G Ninja --toolchain cmake/powerpc-linux-gnu.cmake -DNAPSHEEN_BUILD_TESTS=OFF
	cmake --build $(BUILD_PPC32)

test-ppc32: build-ppc32
	ctest --test-dir $(BUILD_PPC32) --output-on-failure -L ppc32 -j $(JOBS)

dist-ppc32: build-ppc32
	$(call ship,powerpc-linux-gnu-strip,tests/check_exports.sh,$(BUILD_PPC32)/shader/napSheen.so,dist/linux-ppc32/napSheen.so)

# --- Hardening, with clang: the library, its test host and its tests under
# AddressSanitizer with UndefinedBehaviorSanitizer (with the fuzzer beside
# them) and under ThreadSanitizer, each in a tree of its own; the fuzzer for
# a bounded time; clang-tidy and cppcheck over the sources.

FUZZ_SECONDS ?= 60
FUZZ_LONG_SECONDS ?= 1800
CLANG_CMAKE = -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
FUZZER = $(BUILD_ASAN)/tests/napsheen_shading_fuzzer
FUZZ_ARGS = -dict=tests/fuzz/shading.dict -print_final_stats=1 \
	-artifact_prefix=$(BUILD_ASAN)/fuzz-artifacts/ $(BUILD_ASAN)/fuzz-corpus tests/fuzz/corpus
CPPCHECK_ARGS = --enable=warning,style,performance,portability --inconclusive --std=c++17 \
	--library=googletest --library=posix --inline-suppr --quiet --error-exitcode=1 \
	--suppressions-list=.cppcheck-suppressions

.PHONY: build-asan test-asan test-tsan test-fuzz fuzz fuzz-seeds lint

build-asan:
	scripts/install-deps native preview fuzz
	cmake -S . -B $(BUILD_ASAN) $(CLANG_CMAKE) -DNAPSHEEN_SANITIZE="address;undefined" \
	  -DNAPSHEEN_FUZZ=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS)

test-asan: build-asan
	UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

test-tsan:
	scripts/install-deps native preview fuzz
	cmake -S . -B $(BUILD_TSAN) $(CLANG_CMAKE) -DNAPSHEEN_SANITIZE=thread
	cmake --build $(BUILD_TSAN) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir $(BUILD_TSAN) --output-on-failure -j $(JOBS)

# The bounded run of `make test` keeps libFuzzer's chatter in a log and shows
# its totals; on a failure, the end of the log with the call as a table row.
test-fuzz: build-asan
	@mkdir -p $(BUILD_ASAN)/fuzz-corpus $(BUILD_ASAN)/fuzz-artifacts
	@echo "fuzzing napSheen for $(FUZZ_SECONDS) s (log: $(BUILD_ASAN)/fuzz.log)"
	@$(FUZZER) -max_total_time=$(FUZZ_SECONDS) $(FUZZ_ARGS) >$(BUILD_ASAN)/fuzz.log 2>&1 \
	  || { tail -n 80 $(BUILD_ASAN)/fuzz.log; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' $(BUILD_ASAN)/fuzz.log
	@echo "corpus: $$(ls $(BUILD_ASAN)/fuzz-corpus | wc -l) inputs found, $$(ls tests/fuzz/corpus | wc -l) seeds"

fuzz: build-asan
	@mkdir -p $(BUILD_ASAN)/fuzz-corpus $(BUILD_ASAN)/fuzz-artifacts
	$(FUZZER) -max_total_time=$(FUZZ_LONG_SECONDS) $(FUZZ_ARGS)

# Writes the case table's rows as seeds into tests/fuzz/corpus.
fuzz-seeds: build
	$(BUILD)/tests/napsheen_fuzz_seeds tests/cases/shading.cases tests/fuzz/corpus

# Both analysers read every source the ASan tree compiles, and the headers
# those include.
lint: build-asan
	run-clang-tidy -p $(BUILD_ASAN) -j $(JOBS) -quiet
	cppcheck $(CPPCHECK_ARGS) --project=$(BUILD_ASAN)/compile_commands.json
