# The two commands of the README, and the steps they are made of. Every target installs what
# it needs first (scripts/install-deps.sh is quick when everything is present).
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build build-asan run test test-normal test-asan bench clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DVESK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	PYTHONPATH=$(BUILD)/python python3 examples/tour.py

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench: build
	./$(BUILD)/bench/view_bench
	./$(BUILD)/bench/file_bench
	./$(BUILD)/bench/edit_bench
	./$(BUILD)/bench/marker_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
