# Two commands on a fresh Debian 12 machine:
#   make play   installs what is missing, builds, generates the data folder, starts the game
#   make test   the same set-up, then every test
# and two long runs: make fuzz (the file readers under clang's libFuzzer) and
# make soak (a long random game and a thousand kills of a saving process).
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play test build deps bench fuzz soak clean

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

# FUZZ_SECONDS=N runs each reader N seconds instead of 60.
fuzz:
	@sh tools/scripts/install-deps.sh clang libclang-rt-14-dev
	JOBS=$(JOBS) sh tools/scripts/fuzz.sh $(BUILD)-fuzz

soak: build
	cd $(BUILD)/run && GLD_SAVE_KILLS=1000 GLD_SOAK_FRAMES=100000 ../tests/glimmerdeep_tests \
		--gtest_filter='SaveKill.*:Soak.*'

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz
