# The commands of this project; each installs what is missing first.
BUILD := build

.PHONY: run test test-asan test-tsan fuzz soak

run:
	bash scripts/setup.sh
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j2
	bash scripts/run.sh $(BUILD)

test:
	bash scripts/setup.sh
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j2
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The suite under AddressSanitizer and UndefinedBehaviorSanitizer; the
# threaded tests under ThreadSanitizer.
test-asan:
	bash scripts/setup.sh
	bash scripts/sanitized_tests.sh address

test-tsan:
	bash scripts/setup.sh
	bash scripts/sanitized_tests.sh thread

# Every fuzz target for FUZZ_SECONDS seconds (60 unless set).
fuzz:
	bash scripts/setup.sh
	bash scripts/fuzz.sh

# The real program for SOAK_MINUTES minutes (30 unless set) against the
# bundled provider misbehaving, its memory, descriptors and draws checked; a
# summary in build/soak-summary.txt (scripts/soak.sh, tests/soak/soak.sh).
soak:
	bash scripts/setup.sh
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j2 --target quintara quintara-provider quintara-archive
	bash scripts/soak.sh $(BUILD)
