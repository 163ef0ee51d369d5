# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DVELIMORA_WERROR=ON
endif
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench analysis-report coverage-report t-gaps install package sanitize fuzz clean

# Instrumented builds, each in its own folder: `make sanitize` runs the whole test suite under
# AddressSanitizer and UndefinedBehaviorSanitizer; `make fuzz FUZZ_SECONDS=N` builds the
# libFuzzer targets with clang and runs each for N seconds.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# scripts/lsan.supp names the leaks of system libraries (Qt's offscreen platform, fontconfig)
# that LeakSanitizer would otherwise blame on the Qt tests.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do [ -x "$$b" ] && "$$b"; done

analysis-report: build
	@python3 scripts/analysis_report.py $(BUILD)/apps/velimora-query/velimora-query $(REPORT_FLAGS)

coverage-report: build
	@python3 scripts/coverage_report.py $(BUILD)/apps/velimora-query/velimora-query $(REPORT_FLAGS)

# Finnish articles whose Danish translation word has no Danish-Finnish article (a report).
t-gaps:
	@python3 scripts/t_gaps.py

# make install PREFIX=DIR: the programs, the sample dictionary, manual pages and desktop files.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# make package: a Debian package (build/velimora_VERSION_ARCH.deb).
package: build
	@cd $(BUILD) && cpack -G DEB

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DVELIMORA_SANITIZE=ON -DVELIMORA_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELIMORA_FUZZ=ON \
		-DVELIMORA_GUI=OFF -DVELIMORA_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
