# The commands of this project; each installs what is missing first.
BUILD := build

.PHONY: run test test-asan test-tsan fuzz

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
