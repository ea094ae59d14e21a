# Thin wrapper: `make run` sets up what the program needs, builds it without
# the tests (build-run/) and starts it; `make test` sets up everything and runs
# the whole test suite; `make package` builds the Debian package from
# build-run/; `make lint` checks the formatting and runs the static checks.
# `make windows` cross-builds build-windows/egyptian.exe, `make test-windows`
# runs the normal build's tests with it under wine (scripts/windows/).
RUN_BUILD = build-run

.PHONY: run test package lint build clean windows test-windows

# Quiet: the compiler's errors and warnings still reach the terminal.
build:
	@./scripts/setup.sh run
	@cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
	@echo "Building egyptian in $(RUN_BUILD)/"
	@cmake --build $(RUN_BUILD) -j2 >/dev/null

# The program always ends with status 1; make need not report that as an error.
run: build
	@./$(RUN_BUILD)/egyptian || [ $$? -eq 1 ]

test:
	@./scripts/test.sh

package: build
	@./scripts/setup.sh package
	@cd $(RUN_BUILD) && cpack -G DEB

lint:
	@./scripts/lint.sh

windows:
	@./scripts/windows/build.sh

# The tests of the normal build (build/), driving the Windows programs.
test-windows: windows
	@./scripts/setup.sh test
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build -j2
	@./scripts/windows/test.sh

clean:
	rm -rf build build-*
