# Each target installs what a fresh Debian 12 machine lacks, then configures and builds.
.PHONY: deps build build-sanitize test demo bench fuzz windows-deps windows-check

deps:
	scripts/install-deps

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j2

build-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j2

test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize

demo: build
	scripts/demo

# Album sizes as COUNTxSIZE, e.g. make bench ALBUMS="500x4M 10000x20K".
ALBUMS ?= 500x4M 1000x20K 10000x20K
bench: build
	bench/bench.py build/photopages $(ALBUMS)

# Seconds per fuzzer, e.g. make fuzz FUZZ_SECONDS=600.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j2
	fuzz/run-fuzzers $(FUZZ_SECONDS)

# The Windows build's libraries, cross-built from Debian's sources.
windows-deps: deps
	scripts/build-windows-deps

# Builds small programs with the Windows toolchain and runs them under Wine, in
# one Xvfb, with Wine's server ended afterwards.
windows-check: windows-deps
	cmake -S scripts/windows-check -B build-windows/check \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	cmake --build build-windows/check -j2
	xvfb-run -n 190 -a -s "-screen 0 1024x768x24" \
	  ctest --test-dir build-windows/check --output-on-failure; \
	status=$$?; scripts/wine-run --stop; exit $$status
