JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: deps configure build test asan run bench clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOTEN_GUI=OFF

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMARVOTEN_GUI=OFF -DMARVOTEN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

run: build
	./$(BUILD)/src/app/marvoten-cli run --default --out out/
	@echo "written to out/:"
	@ls -1 out/

bench: build
	./$(BUILD)/bench/marvoten-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
