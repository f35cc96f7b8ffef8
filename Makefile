# Quillet: `make run` and `make test` do all set-up on a fresh Debian 12 machine.
BUILD ?= build
JOBS  ?= $(shell nproc)
CTEST_ARGS ?=
export CTEST_OUTPUT_ON_FAILURE=1

HOST  := $(BUILD)/host
WIN   := $(BUILD)/win32
BENCH := $(BUILD)/bench
PREFIX := $(abspath $(BUILD))/wineprefix

.PHONY: all bootstrap host win32 test test-host test-win32 run dist bench fuzz-long clean

all: win32

bootstrap:
	@tools/bootstrap

host: bootstrap
	@cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON >/dev/null
	@cmake --build $(HOST) -j $(JOBS)

win32: bootstrap
	@cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DQUILLET_WINEPREFIX=$(PREFIX) >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

test-host: host
	@echo "== host tests (core, ASan + UBSan)"
	@ctest --test-dir $(HOST) -j $(JOBS) $(CTEST_ARGS)

test-win32: win32
	@echo "== Wine tests (Win32 layer) and end-to-end tests"
	@tools/with-display tools/ctest-wine $(PREFIX) --test-dir $(WIN) -j 2 $(CTEST_ARGS)

test: test-host test-win32

run: win32
	@tools/run-quillet $(WIN)/dist/Quillet $(PREFIX) $(BUILD)/screenshot.png

dist: win32
	@rm -rf $(BUILD)/distzip $(BUILD)/Quillet.zip
	@mkdir -p $(BUILD)/distzip && cp -r $(WIN)/dist/Quillet $(BUILD)/distzip/
	@rm -rf $(BUILD)/distzip/Quillet/UserSetting $(BUILD)/distzip/Quillet/MyProjects $(BUILD)/distzip/Quillet/pgm.tmp
	@i686-w64-mingw32-strip $(BUILD)/distzip/Quillet/Quillet.exe
	@python3 tools/make-zip.py $(BUILD)/Quillet.zip $(BUILD)/distzip/Quillet
	@echo "dist: $(BUILD)/Quillet.zip"

bench: bootstrap
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLET_SANITIZE=OFF -DQUILLET_BENCH=ON >/dev/null
	@cmake --build $(BENCH) -j $(JOBS)
	@bench/run $(BENCH)

fuzz-long: host
	@QUILLET_FUZZ_SECONDS=300 ctest --test-dir $(HOST) -R 'Fuzz' --timeout 3600

clean:
	rm -rf $(BUILD)
