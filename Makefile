# Two commands on a fresh Debian 12 machine:
#   make play   installs what is missing, builds, generates the data folder, starts the game
#   make test   the same set-up, then every test
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play test build deps bench clean

deps:
	@sh tools/scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/run && ../glimmerdeep

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	sh tools/scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
