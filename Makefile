# Thin wrapper: `make run` sets everything up and starts the program,
# `make test` sets everything up and runs the whole test suite,
# `make lint` checks the formatting and runs the static checks.
# `make windows` cross-builds build-windows/egyptian.exe, `make test-windows`
# runs the tests with it under wine (scripts/windows/).
BUILD ?= build

.PHONY: run test lint build setup clean windows test-windows

setup:
	@./scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j2

run: build
	@./$(BUILD)/egyptian

test:
	@./scripts/test.sh

lint:
	@./scripts/lint.sh

windows: setup
	@./scripts/windows/build.sh

test-windows: build windows
	@./scripts/windows/test.sh

clean:
	rm -rf build build-*
