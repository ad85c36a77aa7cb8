# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps configure clean

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Quillet needs a screen: no display is set (DISPLAY is empty); run it on a desktop, or try 'xvfb-run make run'."; \
	  exit 1; \
	fi
	@cd $(BUILD)/Quillet && ./quillet

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Instrumented libFuzzer build of the file readers; FUZZ_RUNS per target.
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS  ?= 200000
.PHONY: fuzz
fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF -DQUILLET_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(FUZZ_BUILD)/tests/fuzz/fuzz_*; do \
	  echo "== $$f"; $$f -runs=$(FUZZ_RUNS) -max_len=65536 || exit 1; \
	done
