# Two commands for a new machine:
#   make run   - installs what is missing, builds, and starts the game
#   make test  - installs what is missing, builds, and runs every test
# and for everyday work:
#   make check     - the unit and game tests of the plain build (no window, no browser)
#   make web       - builds the page, the program and its data into build-web/site/
#   make serve-web - serves build-web/site/ on http://127.0.0.1:8000/
#   make text-heights - the smallest text of each screen, in pixels, at five window sizes
# Every build folder is a preset of CMakePresets.json: build (plain), build-asan
# (sanitizers), build-fuzz (fuzzing), build-web (browser).
WEB_PORT := 8000
FUZZ_SECONDS ?= 60

.PHONY: all setup setup-all build run check test bench fuzz soak package screenshots clean web serve-web \
	text-heights

all: build

# Each asks for the Debian packages its work needs; the answer is quick when nothing is missing.
setup:
	@./scripts/setup.sh build
setup-all:
	@./scripts/setup.sh all

# Configured once; from then on the build itself notices changed CMake files.
build/build.ninja: | setup
	@cmake --preset plain > /dev/null

build: setup build/build.ninja
	@cmake --build --preset plain

# The game reads ./data and keeps ./.vantorstate in its working directory: the build directory.
run: build
	@cd build && ./zandrel

check: build
	@ctest --preset check

# The shell and every game driven at 640 x 480, two phone pages, 1280 x 800 and 1920 x 1080,
# normal and in couch mode; each text measured from the font's capital height.
text-heights: build
	@ZANDREL_TEXT_HEIGHTS=1 build/tests/zandrel_tests --gtest_filter='Windows/TextHeight.*' \
		--gtest_brief=1 | grep '|'

test: setup-all
	@./scripts/test.sh

bench: build setup-all
	@./scripts/bench.sh build

web: setup-all
	@./scripts/build_web.sh

serve-web: web
	@echo "Zandrel: http://127.0.0.1:$(WEB_PORT)/"
	@cd build-web/site && /usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The Debian package, zandrel_<version>_<arch>.deb, in build/: only what it packs is built.
package: setup build/build.ninja
	@cmake --build --preset package
	@cd build && cpack -G DEB

# The pictures in docs/screenshots: the real program on a 1280 x 720 virtual display.
screenshots: build setup-all
	@./scripts/screenshots.sh build docs/screenshots

# Each fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer, sanitizers), seeded from the
# built data: make fuzz FUZZ_SECONDS=600
fuzz: build setup-all
	@./scripts/fuzz.sh $(FUZZ_SECONDS)

# The long runs: every game for 100,000 random updates under the sanitizers, and 200 starts
# of the program over random state files.
soak: setup-all
	@./scripts/soak.sh

clean:
	rm -rf build build-asan build-fuzz build-web
