# The two set-up commands: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE ?= cmake

.PHONY: run test deps build build-test bench fuzz screenshots docs-sample package clean

deps:
	@./scripts/install-deps.sh

build: deps
	$(CMAKE) -S . -B build -DCMAKE_BUILD_TYPE=Release
	$(CMAKE) --build build -j $(JOBS)

run: build
	./scripts/demo.sh build

build-test: deps
	$(CMAKE) -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON
	$(CMAKE) --build build-test -j $(JOBS)

test: build-test
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./scripts/bench.sh build

fuzz: deps
	./scripts/fuzz.sh

screenshots: build
	./scripts/screenshots.sh build

docs-sample: build
	./scripts/docs-sample.sh build

package: build
	$(CMAKE) --build build --target package

clean:
	rm -rf build build-test build-fuzz
