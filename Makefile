# The two commands of the README: `make run` and `make test`.
BUILD ?= build
SANITIZED ?= $(BUILD)-sanitized
WINDOWS ?= $(BUILD)-windows
CMAKE_FLAGS ?=

.PHONY: deps deps-run build run test sanitized windows bench fuzz crash package

# What building and running need, and what the tests need besides.
deps-run:
	bash scripts/install-deps.sh run

deps:
	bash scripts/install-deps.sh run test

build: deps-run
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/ticketwise

# The tests, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows program's tests under Wine on a
# private X server.
test: deps build sanitized windows
	ctest --test-dir $(BUILD) --output-on-failure
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(SANITIZED) --output-on-failure
	xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ctest --test-dir $(WINDOWS) --output-on-failure

# The 64-bit Windows program, with Debian's MinGW-w64 against a Qt, a
# Leptonica and a Tesseract cross-built once per machine (scripts/windows-qt.sh,
# scripts/windows-tesseract.sh), and from it
# $(WINDOWS)/Ticketwise-VERSION-win64.zip and $(WINDOWS)/Ticketwise-VERSION-setup.exe.
windows: deps
	qt="$$(bash scripts/windows-qt.sh)" && tesseract="$$(bash scripts/windows-tesseract.sh)" && \
	cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE="$$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
		-DTICKETWISE_TESSERACT="$$tesseract" $(CMAKE_FLAGS)
	cmake --build $(WINDOWS)

# Start-up, ADD, DELETE, "Enter" and memory, a large pool, and a phone's
# photo of a ticket read, printed as tables.
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_window
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_pools
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_photo

# The crash tests at length: a save in place and its put-back ended at
# CRASH_RUNS random bytes, and cut by CRASH_RUNS power cuts, for each kind of
# save (CI runs 60 and 80 of each).
CRASH_RUNS ?= 2000

crash: build
	TICKETWISE_CRASH_RUNS=$(CRASH_RUNS) QT_QPA_PLATFORM=offscreen $(BUILD)/tests/tst_crashsafety \
		inPlaceSaveCutAtAnyByteIsPutBack powerCutKeepingAnyPagesIsPutBack

# A Debian package, build/ticketwise_VERSION_ARCH.deb, that installs under /usr.
package: build
	cd $(BUILD) && cpack -G DEB

sanitized: deps
	cmake -S . -B $(SANITIZED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTICKETWISE_SANITIZE=ON
	cmake --build $(SANITIZED)

# Fuzzes the saved-log reader, then the readers of tickets and past draws,
# for FUZZ_SECONDS each; an input that breaks one is written to $(FUZZ)/ as
# crash-*, to be kept under tests/fixtures/fuzz/ (the log) or
# tests/fixtures/fuzz-textfiles/ (the others), where every file runs as a test.
FUZZ ?= $(BUILD)-fuzz
FUZZ_SECONDS ?= 120

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTICKETWISE_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ) --target fuzz_logreader fuzz_textfiles
	mkdir -p $(FUZZ)/corpus $(FUZZ)/corpus-textfiles
	cd $(FUZZ) && ./tests/fuzz/fuzz_logreader -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		corpus $(CURDIR)/tests/fixtures $(CURDIR)/tests/fixtures/fuzz
	cd $(FUZZ) && ./tests/fuzz/fuzz_textfiles -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		corpus-textfiles $(CURDIR)/tests/fixtures/fuzz-textfiles \
		$$(test -d $(CURDIR)/../shared/draws && echo $(CURDIR)/../shared/draws)
