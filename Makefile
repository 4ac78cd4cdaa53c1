# make play     installs what is missing, builds, starts the windowed game on content/
#               (VARIANT=fullscreen, windowed-aa or fullscreen-aa for the other three)
# make test     installs what is missing, builds (ASan + UBSan), runs every test
# make content  writes the style folder of content/ anew from the generator
# make windows  cross-builds the Windows programs into build-windows/bin/ and lays out
#               build-windows/dist/railwright/ (programs and content) and its zip
# make check    checks content/ with railwright-check: problems by file and line, and a
#               winning plan for every level
# make screenshots  takes the README's screenshots from the game on content/
# make fuzz     builds the fuzz targets with clang and runs each for a bounded time
# make mutants  applies a seeded sample of small faults to src/ and prints per folder how
#               many the unit tests catch (build-mutants/; about half an hour)
# make soak     plays the native game on content/ with random input for SOAK_MINUTES (10)
#               and watches its memory (build-soak/)
# make bench    builds both programs without sanitizers and runs the render, update and game
#               benchmarks

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SOAK_MINUTES ?= 10
VARIANT ?= windowed
# Without sanitizers: for playing, the content generator and the benchmarks.
RELEASE_CONFIGURE = cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps build play content check screenshots test windows fuzz mutants soak bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRW_SANITIZE=ON
	cmake --build build -j $(JOBS)

play: deps
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target railwright-$(VARIANT)
	cd content && ../build-release/bin/railwright-$(VARIANT)

content: deps
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target railwright-content
	build-release/bin/railwright-content content

check: deps
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target railwright-check
	build-release/bin/railwright-check content

screenshots: deps
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target railwright-windowed game_view
	scripts/take-screenshots

windows: deps
	cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build build-windows -j $(JOBS)

test: build windows
	cd build && ctest --output-on-failure --timeout 600 -j $(JOBS)

fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRW_FUZZ=ON \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzzers build-fuzz/bin $(FUZZ_SECONDS)

mutants: deps
	scripts/with-xvfb scripts/mutants

soak: deps
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target railwright-windowed
	scripts/with-xvfb scripts/soak $(SOAK_MINUTES)

bench: windows
	$(RELEASE_CONFIGURE)
	cmake --build build-release -j $(JOBS) --target render_bench update_bench game_bench
	scripts/run-render-bench build-release/bin/render_bench build-windows/bin/render_bench.exe
	build-release/bin/update_bench
	scripts/run-game-bench build-release/bin/game_bench build-windows/bin/game_bench.exe

clean:
	rm -rf build build-windows build-fuzz build-release build-mutants build-soak
