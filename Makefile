# The two commands of the README: `make run` and `make test`.
BUILD ?= build
SANITIZED ?= $(BUILD)-sanitized
CMAKE_FLAGS ?=

.PHONY: deps build run test sanitized

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

sanitized: deps
	cmake -S . -B $(SANITIZED) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTICKETWISE_SANITIZE=ON
	cmake --build $(SANITIZED)
