# The two set-up commands of the README. Both install what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUILLMERE_WERROR=ON
endif
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache

.PHONY: all deps build run test sanitize clean
all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j2

# The program opens its databases from the current folder: start it where they were built.
run: build
	cd $(BUILD) && ./quillmere

# Every test, then every test again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, with short runs of the fuzzers.
test: build
	./scripts/run-tests.sh $(BUILD)
	$(MAKE) sanitize

sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DQUILLMERE_SANITIZE=ON -DQUILLMERE_FUZZ=ON -DQUILLMERE_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j2
	./scripts/run-tests.sh $(ASAN_BUILD) -E packaging

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
