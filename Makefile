# Two commands for a new machine:
#   make run   - installs what is missing, builds, and starts the game
#   make test  - installs what is missing, builds, and runs every test
# and for the browser:
#   make web       - builds the page, the program and its data into build-web/
#   make serve-web - serves build-web/ on http://127.0.0.1:8000/
BUILD_DIR := build
ASAN_DIR  := build-asan
WEB_DIR   := build-web
WEB_PORT  := 8000
FUZZ_DIR  := build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_GEN := -G Ninja

.PHONY: all setup build run test bench fuzz soak package screenshots clean web serve-web

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

web: setup
	@./scripts/build_web.sh $(BUILD_DIR) $(WEB_DIR)

serve-web: web
	@echo "Zandrel: http://127.0.0.1:$(WEB_PORT)/"
	@cd $(WEB_DIR) && /usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The Debian package, zandrel_<version>_<arch>.deb, in the build directory.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The pictures in docs/screenshots: the real program on a 1280 x 720 virtual display.
screenshots: build
	@./scripts/screenshots.sh $(BUILD_DIR) docs/screenshots

# Each fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer, sanitizers), seeded from the
# built data: make fuzz FUZZ_SECONDS=600
fuzz: build
	@./scripts/fuzz.sh $(FUZZ_SECONDS) $(BUILD_DIR) $(FUZZ_DIR)

# The long runs: every game for 100,000 random updates under the sanitizers, and 200 starts
# of the program over random state files.
soak: setup
	@./scripts/soak.sh $(BUILD_DIR) $(ASAN_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(WEB_DIR)
