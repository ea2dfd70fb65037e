# The two commands of the README: `make run` and `make test`.
BUILD ?= build
SANITIZED ?= $(BUILD)-sanitized
CMAKE_FLAGS ?=

.PHONY: deps build run test sanitized bench fuzz package

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/ticketwise

# The tests, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build sanitized
	ctest --test-dir $(BUILD) --output-on-failure
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir $(SANITIZED) --output-on-failure

# Start-up, ADD, DELETE, "Enter" and memory, printed as a table.
bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_window

# A Debian package, build/ticketwise_VERSION_ARCH.deb, that installs under /usr.
package: build
	cd $(BUILD) && cpack -G DEB

sanitized: deps
	cmake -S . -B $(SANITIZED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTICKETWISE_SANITIZE=ON
	cmake --build $(SANITIZED)

# Fuzzes the saved-log reader for FUZZ_SECONDS; an input that breaks it is
# written to $(FUZZ)/ as crash-*, to be kept under tests/fixtures/fuzz/.
FUZZ ?= $(BUILD)-fuzz
FUZZ_SECONDS ?= 120

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTICKETWISE_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ) --target fuzz_logreader
	mkdir -p $(FUZZ)/corpus
	cd $(FUZZ) && ./tests/fuzz/fuzz_logreader -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		corpus $(CURDIR)/tests/fixtures $(CURDIR)/tests/fixtures/fuzz
