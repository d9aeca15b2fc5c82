# The two commands of the README, and the steps they are made of. Every target installs what
# it needs first (scripts/install-deps.sh is quick when everything is present).
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The fuzz targets: a clang build of their own (libFuzzer with AddressSanitizer and UBSan), each
# run FUZZ_SECONDS; crashes are left in $(FUZZ_BUILD)/fuzz-out/crashes/<target>/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= wave_header riff_markers id3_chapters decode_session clipboard_image invoke_args
FUZZ_CXX_FLAGS ?= -O1 -g1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined

.PHONY: all deps build build-asan run editor test test-normal test-asan bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DVESK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)

$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Fuzz -DVESK_FUZZ=ON \
		-DVESK_BUILD_TESTS=OFF -DVESK_BUILD_PYTHON=OFF "-DCMAKE_CXX_FLAGS=$(FUZZ_CXX_FLAGS)" $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	PYTHONPATH=$(BUILD)/python python3 examples/tour.py

# The desktop editor (needs gtkmm 4, which install-deps.sh installs): make editor [FILE=song.wav]
editor: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vesk-editor
	./$(BUILD)/apps/editor/vesk-editor $(FILE)

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

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	bash fuzz/run_fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
