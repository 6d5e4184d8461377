# The two commands of this project; both install what is missing first.
BUILD := build

.PHONY: run test

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
