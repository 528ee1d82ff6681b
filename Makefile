# The quick start: `make demo` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= $(if $(CI),-DWERROR=ON,)

.PHONY: deps build test test-sanitize fuzz bench demo install uninstall package clean

deps:
	@sh scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DSANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, from its checked-in seeds. New inputs are
# kept in $(BUILD)-fuzz/corpus, findings in $(BUILD)-fuzz/findings.
FUZZ_SECONDS ?= 60
fuzz: deps
	sh scripts/install-deps clang-15 libclang-common-15-dev
	CXX=clang++-15 cmake -S . -B $(BUILD)-fuzz -DFUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	for target in loader elf console; do \
	  dir=$(abspath $(BUILD)-fuzz); mkdir -p $$dir/corpus/$$target $$dir/findings $$dir/scratch; \
	  (cd $$dir/scratch && $$dir/$${target}_fuzz -max_total_time=$(FUZZ_SECONDS) -close_fd_mask=3 -timeout=20 \
	    -artifact_prefix=$$dir/findings/$$target- $$dir/corpus/$$target $(abspath fuzz/corpus)/$$target) || exit 1; \
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

# Installs both programs and their manual pages under PREFIX; uninstall removes
# exactly the files the last install listed in $(BUILD)/install_manifest.txt.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "nothing installed from $(BUILD)"; exit 1; }
	xargs rm -f < $(BUILD)/install_manifest.txt

# A Debian package in $(BUILD), installing under /usr.
package: build
	sh scripts/install-deps dpkg-dev
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
