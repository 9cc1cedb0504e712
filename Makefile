# The README's commands. `make run` and `make test` first install what is missing (Debian, as root).
SHELL := /bin/bash

PACKAGES := cmake ninja-build g++ make binutils \
	g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth \
	googletest libgtest-dev libbenchmark-dev imagemagick clang clang-format libclang-rt-14-dev time \
	g++-multilib qemu-user-static \
	libcli11-dev nlohmann-json3-dev libsqlite3-dev help2man dpkg-dev locales python3-dbfread \
	sqlite3 pgdbf
# The locales the Windows tests run Wine under: Russian (1251), Western (1252), Japanese (932).
LOCALES := ru_RU.UTF-8 en_US.UTF-8 ja_JP.UTF-8

PRESETS := native native32 win32 win64
WINE := cmake/wine-session.sh

# build-% is not listed: make applies no pattern rule to a phony target, so nothing would be built.
.PHONY: deps build check test format fuzz run bench dist deb clean

deps:
	@cmake/install-deps.sh $(PACKAGES)
	@cmake/install-locales.sh $(LOCALES)

build-%:
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*

build: deps $(addprefix build-,$(PRESETS))

# The fast loop while editing: the native build and its tests only (well under two minutes when warm).
check: deps build-native
	ctest --preset native

test: build build-native-asan
	cmake/check-format.sh
	ctest --preset native
	ctest --preset native32
	ctest --preset native-asan
	ctest --preset win32
	$(WINE) ctest --preset win64
	FUZZ_SECONDS=60 FUZZ_SEED=1 FUZZ_FRESH=1 fuzz/run-fuzz.sh

# Rewrites every C++ file of the tree as .clang-format says; make test fails on a file left unformatted.
format: deps
	git ls-files -co --exclude-standard '*.h' '*.cpp' | xargs clang-format -i

# The dictionary fuzzer from the samples and fixtures, then the DBF fuzzer from the sample base: FUZZ_SECONDS
# together (default 600).
fuzz: deps
	@fuzz/run-fuzz.sh

run: deps build-native build-win64
	@cmake/run-viewer.sh samples/1Cv7.DD

bench: deps build-native build-win64
	@cmake/run-bench.sh

dist: deps build-win32 build-win64
	@cmake/make-dist.sh

# The Debian package of ddview: dist/ddview_VERSION_amd64.deb.
deb: deps build-native
	@cmake/make-deb.sh

clean:
	rm -rf build dist
