# Two commands on a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
PREFIX ?= /usr/local

.PHONY: all deps build run test test-asan bench fuzz clean snapshots-sheet install docs

all: build

deps:
	@scripts/install-deps

$(BUILD)/Makefile: CMakeLists.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-gallery $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DULMARO_SANITIZE=ON -DULMARO_BENCH=OFF >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS) --timeout 600

# Each libFuzzer target for FUZZ_SECONDS (clang, AddressSanitizer and UndefinedBehaviorSanitizer).
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DULMARO_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# docs/snapshots.png: every reference picture under tests/snapshots with its name.
snapshots-sheet: build
	$(BUILD)/ulmaro_snapshot_sheet tests/snapshots docs/snapshots.png

# The library, its headers, the ulmaro command, the CMake package and ulmaro.pc under PREFIX.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The member tables and pictures of the control pages in docs/controls, from the project.
docs: build
	scripts/make-docs $(BUILD)

bench: build
	$(BUILD)/ulmaro_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
