# The two set-up commands of the README. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUILLMERE_WERROR=ON
endif

.PHONY: all deps build run test clean
all: build

deps:
	./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j2

# The program opens its databases from the current folder: start it where they were built.
run: build
	cd $(BUILD) && ./quillmere

test: build
	./scripts/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)
