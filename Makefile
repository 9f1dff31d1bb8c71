# Chronel: two commands do all set-up on a fresh Debian 12 machine.
#   make run    install what is missing, configure, build, start the program
#   make test   the same, then every test (window tests on Qt's offscreen platform)
# Further: make bench (benchmarks), make asan-test (tests under AddressSanitizer and
# UndefinedBehaviorSanitizer), make install, make clean.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=

# Debian packages the build and the tests need.
PACKAGES := cmake make g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
            desktop-file-utils appstream fonts-dejavu-core tzdata libhowardhinnant-date-dev \
            libfontconfig-dev python3-icalendar

.PHONY: run test bench asan-test install clean deps configure build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    if [ "$$(id -u)" = 0 ]; then \
	        echo "Installing:" $$missing; \
	        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	    else \
	        echo "Missing packages. Run:"; echo "  sudo apt-get install $$missing"; exit 1; \
	    fi; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what the program needs: the command and the window program it starts.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target chronel chronel-window
	./$(BUILD)/app/chronel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The command-line benchmark runs Debian's ncal beside chronel.
bench: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) ncal"
	./bench/run_benchmarks.sh $(BUILD)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONEL_SANITIZE=ON -DCHRONEL_BENCH=OFF $(CMAKE_ARGS)

asan-test: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# Fuzzing and the long soak (both also part of .ci/run in their short forms).
#   make fuzz   libFuzzer harnesses of the readers, built with clang into build-fuzz, about
#               30 s each (FUZZ_SECONDS=...)
#   make soak   100 000 random window actions through the driver of the sanitizer build
#               (SOAK_ACTIONS=..., SOAK_SEED=...)
SOAK_ACTIONS ?= 100000
SOAK_SEED    ?= 1

.PHONY: fuzz soak
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) clang libclang-rt-14-dev"
	JOBS=$(JOBS) ./tests/fuzz/run_fuzzers.sh

soak: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target chronel-driver
	./tests/soak/run_soak.sh $(ASAN_BUILD)/tools/chronel-driver $(SOAK_ACTIONS) $(SOAK_SEED)
