# Two commands for a new machine:
#   make run   - installs what is missing, builds, and starts the game
#   make test  - installs what is missing, builds, and runs every test
BUILD_DIR := build
ASAN_DIR  := build-asan
CMAKE_GEN := -G Ninja

.PHONY: all setup build run test bench package screenshots clean

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

# The Debian package, zandrel_<version>_<arch>.deb, in the build directory.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The pictures in docs/screenshots: the real program on a 1280 x 720 virtual display.
screenshots: build
	@./scripts/screenshots.sh $(BUILD_DIR) docs/screenshots

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
