# The two commands of the README: `make run` and `make test`.
BUILD ?= build

.PHONY: deps build run test

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/ticketwise

test: build
	ctest --test-dir $(BUILD) --output-on-failure
