# The quick start: `make demo` and `make test`. Every target installs the Debian
# packages it needs first, when they are missing; plain `make` builds.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= $(if $(CI),-DWERROR=ON,)

# Run as root in a folder that someone else owns (`sudo make install`), the
# build, its tests and the package are made as that owner, so that the build
# folder stays theirs; only installing runs as root.
ifeq ($(shell id -u),0)
  OWNER := $(shell stat -c '%u %g' .)
  AS_OWNER := $(if $(filter 0,$(firstword $(OWNER))),,setpriv --reuid=$(word 1,$(OWNER)) --regid=$(word 2,$(OWNER)) --clear-groups)
endif

.PHONY: all deps build test test-sanitize test-clang19 fuzz bench demo install uninstall package clean

all: build

deps:
	@sh scripts/install-deps

build: deps
	$(AS_OWNER) cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	$(AS_OWNER) cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && $(AS_OWNER) ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DSANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS)

# The whole suite again with clang-19 as the assembler, as Debian 13 has it: in
# its own build folder, on a search path of links that holds no other clang-N
# (scripts/path-with-assembler), so that orrik and the tests' build both find
# clang-19 even where clang-15 is installed.
CLANG19_PATH = $(abspath $(BUILD)-clang19)/path
test-clang19: deps
	sh scripts/install-deps clang-19
	$(AS_OWNER) sh scripts/path-with-assembler 19 $(CLANG19_PATH)
	PATH=$(CLANG19_PATH) $(AS_OWNER) cmake -S . -B $(BUILD)-clang19 $(CMAKE_FLAGS) -DWANT_ASSEMBLER_VERSION=19
	PATH=$(CLANG19_PATH) $(AS_OWNER) cmake --build $(BUILD)-clang19 -j $(JOBS)
	cd $(BUILD)-clang19 && PATH=$(CLANG19_PATH) $(AS_OWNER) ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, from its checked-in seeds and with its
# dictionary (fuzz/TARGET.dict). New inputs are kept in $(BUILD)-fuzz/corpus,
# findings in $(BUILD)-fuzz/findings. libFuzzer comes with libclang-common-15-dev.
FUZZ_SECONDS ?= 60
fuzz: deps
	sh scripts/install-deps clang-15 libclang-common-15-dev
	CXX=clang++-15 cmake -S . -B $(BUILD)-fuzz -DFUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	for target in loader elf console; do \
	  dir=$(abspath $(BUILD)-fuzz); mkdir -p $$dir/corpus/$$target $$dir/findings $$dir/scratch; \
	  (cd $$dir/scratch && $$dir/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -close_fd_mask=3 -timeout=20 \
	    -dict=$(abspath fuzz)/$$target.dict -artifact_prefix=$$dir/findings/$$target- \
	    $$dir/corpus/$$target $(abspath fuzz/corpus)/$$target) || exit 1; \
	done

# Benchmarks: the simulator's throughput (Google Benchmark), then whole-process
# figures against their targets (start-up, qemu-riscv32, clang-15 -c).
bench: deps
	sh scripts/install-deps libbenchmark-dev
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	$(BUILD)/sim_bench
	bash bench/run.sh $(BUILD)

demo: build
	sh examples/demo.sh $(BUILD)

# Installs both programs, their manual pages, copyright and changelog under
# PREFIX, through sudo when PREFIX is not yours. $(BUILD)/installed_files.txt
# lists what went where, and uninstall removes exactly that; nothing else
# writes it, and clean keeps it.
PREFIX ?= /usr/local
INSTALLED = $(BUILD)/installed_files.txt
install: build
	@sh scripts/install "$(BUILD)" "$(PREFIX)" "$(INSTALLED)"

uninstall:
	@sh scripts/uninstall "$(BUILD)" "$(INSTALLED)"

# A Debian package in $(BUILD), installing under /usr. dpkg-shlibdeps (from
# dpkg-dev, with file) reads its dependencies from the programs.
package: build
	@sh scripts/install-deps dpkg-dev file
	cd $(BUILD) && $(AS_OWNER) cpack

clean:
	@if [ -s "$(INSTALLED)" ]; then \
	  find "$(BUILD)" -mindepth 1 -maxdepth 1 ! -name installed_files.txt -exec rm -rf {} +; \
	  echo "kept $(INSTALLED): make uninstall removes what it lists"; \
	else rm -rf "$(BUILD)"; fi
	rm -rf $(BUILD)-sanitize $(BUILD)-clang19 $(BUILD)-fuzz
