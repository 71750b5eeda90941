# The commands of README.md. `make run` installs what is missing, builds the
# four programs of the release configuration into build/bin and starts the
# suite; `make test` builds the debug configuration and runs every test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WERROR ?= OFF
# The build's own make runs below this one: keep its output to the build lines.
MAKEFLAGS += --no-print-directory

.PHONY: all deps release programs run test asan-test fuzz package bench format clean verification

all: release

deps:
	@scripts/install-deps

# The benchmarks measure the programs as the package builds them, file by file.
release: deps
	scripts/configure release -DVORLA_WERROR=$(WERROR) -DVORLA_BUILD_BENCHMARKS=ON -DVORLA_UNITY_BUILD=OFF >/dev/null
	cmake --build --preset release -j $(JOBS)

# Only what the programs need: the packages to build and start them, and no
# benchmarks, verification or packaging; compiled in unity batches for a quick
# first build (the same results; `make release` compiles file by file again).
programs:
	@scripts/install-deps programs
	scripts/configure release -DVORLA_WERROR=$(WERROR) -DVORLA_BUILD_BENCHMARKS=OFF -DVORLA_UNITY_BUILD=ON >/dev/null
	cmake --build --preset release -j $(JOBS) --target vorla_programs

run: programs
	@scripts/run-suite

test: deps
	scripts/configure dev -DVORLA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

asan-test: deps
	scripts/configure asan -DVORLA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Each parser's fuzz target for FUZZ_SECONDS (clang, libFuzzer, sanitizers).
FUZZ_SECONDS ?= 60
fuzz: deps
	JOBS=$(JOBS) scripts/run-fuzzers $(FUZZ_SECONDS)

# The Debian package, build/vorla_<version>_<arch>.deb, from its own optimised
# and hardened build in build/package.
package: deps
	scripts/configure package -DVORLA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset package -j $(JOBS)
	rm -f build/package/vorla_*.deb build/vorla_*.deb
	cpack --config build/package/CPackConfig.cmake -B build/package
	mv build/package/vorla_*.deb build/
	@ls build/vorla_*.deb

bench: release
	@for program in build/bin/*_bench; do echo "== $$program"; "$$program"; done

# Writes docs/verification again from the models (the `verification` test
# fails until the committed copy matches).
verification: deps
	scripts/configure dev -DVORLA_WERROR=$(WERROR) >/dev/null
	cmake --build --preset dev -j $(JOBS) --target verification_document

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
