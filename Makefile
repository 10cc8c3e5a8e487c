# Two commands on a fresh Debian machine:
#   make run    installs what is missing, builds the release and starts Klotix
#   make test   installs what is missing, builds the debug build and runs
#               every test headless
.PHONY: run test deps release debug

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

run: release
	./build/release/src/app/klotix

test: debug
	QT_QPA_PLATFORM=offscreen ctest --preset debug -j $(JOBS)
