# make run     builds if needed and starts the program in the demo workspace ./demo
# make test    builds with the sanitizers and runs every test
# make bench   runs the benchmarks (in their own build folder)
# make fuzz    builds the fuzz targets with clang and runs each for FUZZ_SECONDS
# make install installs a stripped release build under PREFIX (/usr/local)
# make package builds a Debian package of it (in build-release)
# make check-format names the source files whose layout differs from .clang-format
BUILD      ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
PREFIX     ?= /usr/local
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 30
FUZZ_TARGETS := fuzz_question_line fuzz_count_questions fuzz_load_index fuzz_style fuzz_packet
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES   := g++ cmake make libncurses-dev libcsv-dev libcairo2-dev fonts-dejavu-core libgtest-dev \
              poppler-utils tmux clang-format
MAKEFLAGS  += --no-print-directory

.PHONY: all run test deps build build-test release bench fuzz install package clean check-format

all: build

# Installs the missing system packages when run as root; otherwise names them.
# Where there is no dpkg the packages are left to the user (see README.md).
deps:
	@command -v dpkg >/dev/null 2>&1 || exit 0; \
	missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "Missing packages:$$missing (run 'make' as root, or install them with apt-get)"; exit 1; \
	  fi; \
	fi

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTV_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target tallyvane

build-test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTV_SANITIZE=ON -DTV_TESTS=ON >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)

# The demo workspace is made (or completed) by the program itself; files already in
# ./demo are kept as they are.
run: build
	@$(BUILD)/tallyvane --init demo --demo >/dev/null
	@cd demo && exec $(abspath $(BUILD))/tallyvane

test: build-test
	@cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

check-format: deps
	@sh tools/check_format.sh

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTV_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS)
	@sh bench/run.sh $(BENCH_BUILD)

# Each target starts from its seeds in fuzz/corpus, copied into the build folder
# (where the corpus grows from run to run), with its dictionary fuzz/<target>.dict
# when there is one; an input running longer than FUZZ_TIMEOUT seconds counts as a
# hang. Findings go to $(FUZZ_BUILD)/artifacts.
fuzz:
	@command -v clang++ >/dev/null 2>&1 || { echo "make fuzz needs clang++ with libFuzzer"; exit 1; }
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTV_FUZZ=ON -DTV_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@mkdir -p $(FUZZ_BUILD)/artifacts
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  cp -n fuzz/corpus/$$t/* $(FUZZ_BUILD)/corpus/$$t/ 2>/dev/null || true; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  dict=""; [ -f fuzz/$$t.dict ] && dict="-dict=fuzz/$$t.dict"; \
	  $(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) \
	    -print_final_stats=1 $$dict \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t- $(FUZZ_BUILD)/corpus/$$t || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "Findings of:$$failed (see $(FUZZ_BUILD)/artifacts)"; exit 1; fi

release: deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DTV_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS) --target tallyvane

install: release
	@cmake --install $(RELEASE_BUILD) --prefix $(PREFIX) --strip

package: release
	@cd $(RELEASE_BUILD) && cpack -G DEB
	@ls $(RELEASE_BUILD)/*.deb

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(BENCH_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD)
