# make test: install what is missing, build, run every test.   make run: install what building and
# running need, build the program, start it.   make install, make package: see below.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Warnings are errors in CI builds.
WERROR ?= $(if $(CI),ON,OFF)

PREFIX ?= /usr/local

.PHONY: all deps test-deps configure build test sanitize program run screenshots bench install package clean

all: build

CMAKE_CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVESPERON_WERROR=$(WERROR)

# What building and running need; test-deps adds what the tests, the checks and packaging need.
deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh test

configure: test-deps
	@$(CMAKE_CONFIGURE) -DVESPERON_TESTS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel 2

# Every test again, the program included, built with ASan and UBSan (build-sanitize/). Leaks are
# not checked: Qt and fontconfig keep their caches to the end.
sanitize: test-deps
	@cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESPERON_SANITIZE=ON -DVESPERON_WERROR=$(WERROR) >/dev/null
	@cmake --build build-sanitize
	@ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-sanitize --output-on-failure --parallel 2

bench: build
	@for b in $(BUILD_DIR)/bench/vesperon_bench_*; do echo "== $$b"; $$b; done

# Into $(DESTDIR)$(PREFIX): `sudo make install`, or `make install DESTDIR=/tmp/stage PREFIX=/usr`.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package: $(BUILD_DIR)/vesperon_<version>_<arch>.deb.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null && ls $$PWD/vesperon_*.deb

# The program and its tools only, so that none of the tests' packages is needed.
program: deps
	@$(CMAKE_CONFIGURE) -DVESPERON_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_DIR)

run: program
	@scripts/run.sh

# The pictures of the tray menu and the preferences, light and dark, into docs/pictures/.
screenshots: program
	@scripts/screenshots.sh

clean:
	@rm -rf $(BUILD_DIR) build-sanitize
