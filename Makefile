# make run            build and start Mirato (installs missing Debian packages first)
# make test           build and run every test
# make test-sanitize  the tests in a debug build with AddressSanitizer and UBSan
# make test-debian13  the tests in a Debian 13 system made with debootstrap (KDE=1: with the
#                     KDE Plasma Wayland packages, so the real KDE run is part of it)
# make package        a .deb of the program (build/mirato_*.deb)
# make bench          the playback and lyrics benchmarks
# make windows        the Windows program: build-windows/ with the installer and the zip
#                     (builds the Windows toolchain once, about an hour, kept in
#                     /var/cache/mirato-windows)
# make test-windows   the Windows build's tests under Wine on a virtual screen
# make fuzz           every fuzz target for FUZZ_SECONDS (60) with clang's libFuzzer
# make format         clang-format every source file
.PHONY: run test test-sanitize test-debian13 build package bench fuzz format clean windows \
	test-windows

run:
	@scripts/dev.sh run

test:
	@scripts/dev.sh test

test-sanitize:
	@scripts/dev.sh test-sanitize

test-debian13:
	@scripts/test-debian13.sh $(if $(KDE),--kde)

build:
	@scripts/dev.sh build

windows:
	@scripts/windows.sh

test-windows:
	@scripts/test-windows.sh

package: build
	@cd build && cpack

bench:
	@bench/run.sh

fuzz:
	@scripts/fuzz.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-test build-asan build-fuzz build-windows
