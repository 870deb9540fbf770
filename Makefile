# Set-up, build, run and test on Debian 12. Missing Debian packages are
# installed with apt-get (through sudo when not run as root).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PACKAGES := cmake ninja-build g++ pkg-config zlib1g-dev qt6-base-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev
# libFuzzer and the sanitizer runtimes of clang, for the fuzz targets.
FUZZ_PACKAGES := clang libclang-rt-14-dev

# The sanitized test suite and the fuzz targets each build in their own folder.
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?=
JOBS ?= 2
# Leaks of the system's own libraries (Qt, fontconfig) that are not the planner's.
LSAN_SUPPRESSIONS := $(CURDIR)/.ci/lsan.supp
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LSAN_OPTIONS=suppressions=$(LSAN_SUPPRESSIONS):print_suppressions=0

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps configure build run test bench test-sanitize fuzz fuzz-seeds clean

all: build

# Installs whichever of the named packages are missing.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(PACKAGES) $(FUZZ_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/bin/davoruzivi

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure

bench: configure
	cmake --build $(BUILD_DIR) --target bench

# The whole test suite (model, command line, windows, fuzz corpus replays)
# built with g++ under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_COMPILER=g++ \
	      -DDAVORUZIVI_SANITIZE=ON -DDAVORUZIVI_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS seconds (or FUZZ_RUNS inputs) on a working
# corpus in $(FUZZ_DIR)/corpus seeded from fuzz/corpus; the figures of each run
# end up in $(FUZZ_DIR)/summary.txt, its findings in $(FUZZ_DIR)/findings.
fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDAVORUZIVI_FUZZ=ON \
	      -DDAVORUZIVI_BUILD_WINDOWS=OFF -DDAVORUZIVI_BUILD_BENCHMARKS=OFF -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_targets -j $(JOBS)
	LSAN_OPTIONS=suppressions=$(LSAN_SUPPRESSIONS):print_suppressions=0 \
	  fuzz/run_fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_RUNS)

# Remakes the committed seed corpus in fuzz/corpus.
fuzz-seeds: configure
	cmake --build $(BUILD_DIR) --target fuzz_seed_maker
	$(BUILD_DIR)/fuzz/fuzz_seed_maker fuzz/corpus

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
