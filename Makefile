JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD ?= build-win

.PHONY: deps configure build test asan windows-test run screenshots wm-screenshots guide-images package bench clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOTEN_GUI=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --no-tests=error --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMARVOTEN_GUI=OFF -DMARVOTEN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --no-tests=error --output-on-failure -j $(JOBS)

# The core, the command-line program and the core tests as Windows executables
# (mingw-w64), each test binary run under wine64 as one process, in a prefix inside
# the build folder. The prefix is made first, so that wine's first start is no test's.
# Then the command-line program's start-value book under wine is compared with the
# one this machine's build writes.
WINE_ENV = WINEPREFIX=$(abspath $(WIN_BUILD))/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

windows-test: configure
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOTEN_GUI=OFF
	cmake --build $(WIN_BUILD) -j $(JOBS)
	cmake --build $(BUILD) -j $(JOBS) --target marvoten-cli
	$(WINE_ENV) /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
	cd $(WIN_BUILD) && $(WINE_ENV) ctest --no-tests=error --output-on-failure -j $(JOBS)
	$(WINE_ENV) bash scripts/compare-windows-cli.sh $(abspath $(BUILD))/src/app/marvoten-cli \
	  $(abspath $(WIN_BUILD))/src/app/marvoten-cli.exe $(abspath $(WIN_BUILD))/cli-compare

# With a display: the desktop program. Without one: the start-value book through
# the command-line program into out/, listing only the files this run wrote.
run: configure
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cmake --build $(BUILD) -j $(JOBS) --target marvoten && \
	  $(abspath $(BUILD))/src/app/marvoten; \
	else \
	  cmake --build $(BUILD) -j $(JOBS) --target marvoten-cli && \
	  mkdir -p out && touch -d '1 second ago' out/.run-started && \
	  $(abspath $(BUILD))/src/app/marvoten-cli run --default --out out/ && \
	  echo "written to out/:" && \
	  find out -maxdepth 1 -type f -newer out/.run-started -printf '  %f\n' | sort && \
	  echo "No display (DISPLAY or WAYLAND_DISPLAY) is set. To start the window:" && \
	  echo "  on a desktop:    make run" && \
	  echo "  without one:     cmake --build $(BUILD) --target marvoten && xvfb-run $(BUILD)/src/app/marvoten"; \
	fi

# Pictures of every window, drawn offscreen: the main window and every results
# page after a start-value run, then the windows and pages the desktop tests open.
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target marvoten-probe ui_tests
	rm -rf out/screenshots
	QT_QPA_PLATFORM=offscreen $(abspath $(BUILD))/src/app/marvoten-probe screenshots out/screenshots
	QT_QPA_PLATFORM=offscreen MARVOTEN_SCREENSHOTS=$(abspath out/screenshots) \
	  MARVOTEN_SCREENSHOT_DIR=$(abspath out/screenshots) \
	  $(abspath $(BUILD))/tests/ui/ui_tests
	@ls out/screenshots

# The pictures of the user guide are screenshots the program draws, never drawn by
# hand: this copies the ones docs/guide.md shows from a fresh `make screenshots`.
GUIDE_IMAGES := main-window editor-1-self-weight editor-2-backfill-surface \
  editor-3-other-loads editor-4-seismic-standard-value palette results-01-2 results-04 \
  results-05 results-06-1 soil_constants earth_pressure_coefficients printed_page_02 \
  parameter_study
guide-images: screenshots
	rm -rf docs/guide
	mkdir -p docs/guide
	for image in $(GUIDE_IMAGES); do cp out/screenshots/$$image.png docs/guide/ || exit 1; done

# The Debian package marvoten_<version>_amd64.deb in the build folder.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target marvoten marvoten-cli package_files
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/marvoten_*.deb

# The windows under a real window manager (openbox on Xvfb) at 1366x768 and 1920x1080,
# pictures of the whole screen into out/wm-screenshots/.
wm-screenshots: build
	rm -rf out/wm-screenshots && mkdir -p out/wm-screenshots
	for s in 1366x768 1920x1080; do \
	  MARVOTEN_WM_SCREEN=$$s MARVOTEN_WM_SCREENSHOTS=$(abspath out/wm-screenshots) \
	    $(abspath $(BUILD))/tests/ui/window_manager_tests; \
	done
	@ls out/wm-screenshots

bench: build
	$(abspath $(BUILD))/bench/marvoten-bench
	$(abspath $(BUILD))/bench/study_bench
	$(abspath $(BUILD))/bench/marvoten-desktop-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD)
