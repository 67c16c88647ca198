# Two commands for a new machine:
#   make run   - installs what is missing, builds, and starts the game
#   make test  - installs what is missing, builds, and runs every test
BUILD_DIR := build
ASAN_DIR  := build-asan
FUZZ_DIR  := build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_GEN := -G Ninja

.PHONY: all setup build run test bench fuzz soak clean

all: build

setup:
	@./scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD_DIR)

# The game reads ./data and keeps ./.vantorstate in its working directory: the build directory.
run: build
	@cd $(BUILD_DIR) && ./zandrel

test: setup
	@./scripts/test.sh $(BUILD_DIR) $(ASAN_DIR)

bench: build
	@./scripts/bench.sh $(BUILD_DIR)

# Each fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer, sanitizers), seeded from the
# built data: make fuzz FUZZ_SECONDS=600
fuzz: build
	@./scripts/fuzz.sh $(FUZZ_SECONDS) $(BUILD_DIR) $(FUZZ_DIR)

# The long runs: every game for 100,000 random updates under the sanitizers, and 200 starts
# of the program over random state files.
soak: setup
	@./scripts/soak.sh $(BUILD_DIR) $(ASAN_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
