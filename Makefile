# Each target installs what a fresh Debian 12 machine lacks, then configures and builds.
.PHONY: deps build build-sanitize test demo bench fuzz

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
