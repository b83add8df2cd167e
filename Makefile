# Top-level driver of the CMake build.
#   make play   installs what is missing, builds and starts the game
#   make check  installs what is missing, builds and runs every test,
#               once normally and once under AddressSanitizer + UBSan
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=

export SDL_VIDEODRIVER ?= dummy
export SDL_AUDIODRIVER ?= dummy

.PHONY: all deps build build-asan play check test test-normal test-asan bench clean

all: build

deps:
	bash scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan:
	cmake -S . -B $(ASAN_BUILD) -DTIDEPOOL_SANITIZE=ON -DTIDEPOOL_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

play: deps build
	env -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER $(BUILD)/src/game/tidepool systemdir=data

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

check: deps
	$(MAKE) test

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
