# The commands of this project; each installs what is missing first.
BUILD := build
CONFIGURE = cmake -S . -B $(BUILD)

.PHONY: run test bench test-asan test-tsan fuzz soak

# The program and the bundled provider, and nothing else.
run:
	bash scripts/setup.sh run
	$(CONFIGURE) -DQUINTARA_TESTS=OFF -DQUINTARA_BENCHMARKS=OFF
	cmake --build $(BUILD) -j2 --target quintara quintara-provider
	bash scripts/run.sh $(BUILD)

# Everything but the benchmarks, then the whole suite: four tests at a time,
# as most of them wait on servers, timers and the program far more than they
# compute.
test:
	bash scripts/setup.sh test
	$(CONFIGURE) -DQUINTARA_TESTS=ON -DQUINTARA_BENCHMARKS=OFF
	cmake --build $(BUILD) -j2
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j4

# The benchmarks (build/bench/bench_*), which no other command builds.
bench:
	bash scripts/setup.sh test
	$(CONFIGURE) -DQUINTARA_BENCHMARKS=ON
	cmake --build $(BUILD) -j2

# The suite under AddressSanitizer and UndefinedBehaviorSanitizer; the
# threaded tests under ThreadSanitizer.
test-asan:
	bash scripts/setup.sh test
	bash scripts/sanitized_tests.sh address

test-tsan:
	bash scripts/setup.sh test
	bash scripts/sanitized_tests.sh thread

# Every fuzz target for FUZZ_SECONDS seconds (60 unless set).
fuzz:
	bash scripts/setup.sh test
	bash scripts/fuzz.sh

# The real program for SOAK_MINUTES minutes (30 unless set) against the
# bundled provider misbehaving, its memory, descriptors and draws checked; a
# summary in build/soak-summary.txt (scripts/soak.sh, tests/soak/soak.sh).
soak:
	bash scripts/setup.sh test
	$(CONFIGURE)
	cmake --build $(BUILD) -j2 --target quintara quintara-provider quintara-archive
	bash scripts/soak.sh $(BUILD)
