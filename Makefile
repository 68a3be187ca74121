# Each target installs what a fresh Debian 12 machine lacks, then configures and builds.
.PHONY: deps build build-sanitize windows test test-windows demo bench \
	bench-windows fuzz windows-deps dist test-dist

deps:
	scripts/install-deps

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default -j2

build-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j2

# photopages.exe and its tests, with the Windows libraries cross-built from
# Debian's sources.
windows: windows-deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j2

# The Windows build is built and tested after the Linux tests, so that no
# Wine process runs beside them.
test: build build-sanitize
	ctest --preset default
	ctest --preset sanitize
	$(MAKE) --no-print-directory test-windows
	$(MAKE) --no-print-directory test-dist

# The release files as a user meets them: photopages.exe from the unpacked
# zip under Wine, the Debian package installed (as root) and removed.
test-dist: dist
	scripts/wine-run --stop
	xvfb-run -n 190 -a -s "-screen 0 1024x768x24" scripts/test-dist

# The Windows build's tests under Wine, all in one Xvfb. Wine's server keeps
# the display it started with: the one the build started to list the tests
# is ended first, the one the tests started afterwards.
test-windows: windows
	scripts/wine-run --stop
	xvfb-run -n 190 -a -s "-screen 0 1024x768x24" ctest --preset windows; \
	status=$$?; scripts/wine-run --stop; exit $$status

# The release files in dist/: the Windows zip and the Debian package, each
# made by CPack in its build's package/ folder.
dist: build windows
	rm -rf dist build/package build-windows/package
	cmake --build --preset default --target package >/dev/null
	cmake --build --preset windows --target package >/dev/null
	mkdir -p dist
	cp build-windows/package/*.zip build/package/*.deb dist/
	ls -l dist

demo: build
	scripts/demo

# Albums as COUNTxSIZE, given as arguments, or COUNTxSIZE:folder, the program
# run inside the album without arguments; on tmpfs (BENCH_DIR=/dev/shm), e.g.
# make bench ALBUMS="10000x20K:folder 100000x20K:folder".
ALBUMS ?= 200x4M 5000x20K 1x1G
bench: build
	bench/bench.py build/photopages $(ALBUMS)

# photopages.exe under Wine against a bare Win32 program doing the least of
# the same job (bench/win32_floor.cpp), in one Xvfb.
WINDOWS_ALBUMS ?= 250x20K:folder 500x20K:folder 1000x20K:folder 2000x20K:folder
bench-windows: windows
	scripts/wine-run --stop
	xvfb-run -n 190 -a -s "-screen 0 1024x768x24" bench/bench.py --wine \
	  build-windows/photopages.exe build-windows/win32_floor.exe \
	  $(WINDOWS_ALBUMS); status=$$?; scripts/wine-run --stop; exit $$status

# Seconds per fuzzer, e.g. make fuzz FUZZ_SECONDS=600.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j2
	fuzz/run-fuzzers $(FUZZ_SECONDS)

# The Windows build's libraries, cross-built from Debian's sources.
windows-deps: deps
	scripts/build-windows-deps
