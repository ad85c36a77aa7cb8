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

# Every test: the unit and end-to-end tests, the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of every fuzzer.
test: build sanitize fuzz
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# The unit tests built with the sanitizers; the end-to-end runs stay in the main build.
SANITIZE_BUILD ?= build-sanitize
.PHONY: sanitize
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) -E '^e2e_'

# Instrumented libFuzzer builds of the file readers: FUZZ_RUNS inputs each.
# `make test` runs them briefly; `make fuzz FUZZ_RUNS=5000000` searches longer.
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS  ?= 20000
.PHONY: fuzz
fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF -DQUILLET_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quillet_fuzzers
	@for f in $(FUZZ_BUILD)/tests/fuzz/fuzz_*; do \
	  if [ -f "$$f" ] && [ -x "$$f" ]; then \
	    echo "== $$(basename $$f): $(FUZZ_RUNS) runs"; \
	    $$f -runs=$(FUZZ_RUNS) -max_len=65536 > $$f.log 2>&1 || { tail -n 40 $$f.log; exit 1; }; \
	  fi; \
	done
