# make run            build and start Mirato (installs missing Debian packages first)
# make test           build and run every test
# make test-sanitize  the tests in a debug build with AddressSanitizer and UBSan
# make format         clang-format every source file
.PHONY: run test test-sanitize build format clean

run:
	@scripts/dev.sh run

test:
	@scripts/dev.sh test

test-sanitize:
	@scripts/dev.sh test-sanitize

build:
	@scripts/dev.sh build

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-test build-asan
