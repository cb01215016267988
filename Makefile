JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: deps configure build test asan run bench screenshots clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOTEN_GUI=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMARVOTEN_GUI=OFF -DMARVOTEN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Lists only the files this run wrote, not what earlier runs left in out/.
run: build
	@mkdir -p out && touch -d '1 second ago' out/.run-started
	$(abspath $(BUILD))/src/app/marvoten-cli run --default --out out/
	@echo "written to out/:"
	@find out -maxdepth 1 -type f -newer out/.run-started -printf '  %f\n' | sort

# Every screenshot test writes its pictures into out/screenshots/ (the printed
# pages at 96 dpi among them).
screenshots: build
	@mkdir -p out/screenshots
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen MARVOTEN_SCREENSHOT_DIR=$(abspath out/screenshots) \
		./tests/ui/ui_tests --gtest_filter='*Screenshot*'

bench: build
	$(abspath $(BUILD))/bench/marvoten-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
