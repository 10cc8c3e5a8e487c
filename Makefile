# Two commands on a fresh Debian machine:
#   make run    installs what is missing, builds the release and starts Klotix
#   make test   installs what is missing and runs every test headless: the
#               debug build's tests, then the game and record logic again
#               under AddressSanitizer and UndefinedBehaviorSanitizer, then
#               a short run of the record-file fuzzer, then the Qt-free
#               libraries and their tests built for Windows and run under Wine
#   make package  builds the program alone, optimised, and packs it as a
#               Debian package: build/package/klotix_<version>_<arch>.deb
#   make windows-package  builds Klotix for Windows and packs it with
#               CPack as a portable zip and an installer in
#               build/windows-release/, signed when KLOTIX_SIGN_PKCS12 and
#               KLOTIX_SIGN_PASSWORD name a certificate (or with the detached
#               signatures in KLOTIX_SIGNATURES); the first time on a
#               machine it builds Qt for Windows too (scripts/windows-qt,
#               about 45 minutes, kept in ~/.cache)
#   make test-windows  every test of the Windows program under Wine, and
#               the installer and the portable zip played end to end
#   make test-reproducible  builds the .deb, the zip and setup.exe twice, in
#               two clean clones of the commit built in different folders,
#               clocks, zones, umasks and locales, and compares them
# Releases (see the README's Releases):
#   make dist   the source tarball and the three packages of this commit,
#               with SHA256SUMS, in build/dist/
#   make distcheck  builds the tarball's .deb in a fresh folder outside git,
#               finds it the same as make dist's, and runs its debug tests
# Longer checks, not part of `make test`:
#   make fuzz   fuzzes the record file for FUZZ_SECONDS (default ten minutes)
#   make soak   plays games on the game logic until SOAK_PIECES pieces fell
.PHONY: run test package deps release debug asan fuzz-build fuzz soak windows \
        windows-qt windows-release windows-package test-windows \
        test-reproducible dist distcheck

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
SOAK_PIECES ?= 1000000

deps:
	@scripts/install-deps

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

debug: deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

windows: deps
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

# Qt for Windows, built from Debian's source once per machine and cached.
windows-qt: deps
	scripts/windows-qt

windows-release: windows-qt
	cmake --preset windows-release -DKLOTIX_WINDOWS_QT="$$(scripts/windows-qt --prefix)"
	cmake --build --preset windows-release -j $(JOBS)

windows-package: windows-qt
	cmake --preset windows-release -DKLOTIX_WINDOWS_QT="$$(scripts/windows-qt --prefix)"
	cmake --build --preset windows-release --target windows_packages -j $(JOBS)

# The window tests and the end-to-end runs need an X server for Wine; the
# end-to-end test packs its own packages, signed with a throwaway
# certificate, so that those of windows-package stay as they were made.
test-windows: windows-release
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows-release

test-reproducible: deps windows-qt
	scripts/check-reproducible

dist: deps
	scripts/dist

distcheck: dist
	scripts/distcheck

# Only the program itself, so a player waits for no test or benchmark.
run: deps
	cmake --preset release
	cmake --build --preset release --target klotix -j $(JOBS)
	./build/release/src/app/klotix

# Without tests or benchmarks: only what the package holds is built.
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cpack --preset package

# One after the other, so that the first failing stage stops the run.
test: debug
	QT_QPA_PLATFORM=offscreen ctest --preset debug -j $(JOBS)
	@$(MAKE) --no-print-directory asan
	ctest --preset asan -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-build
	ctest --preset fuzz
	@$(MAKE) --no-print-directory windows
	ctest --preset windows

# The corpus in build/fuzz/long_run grows from run to run; the seeds in
# tests/fuzz/corpus are never changed.
fuzz: fuzz-build
	cmake -DFUZZER=build/fuzz/tests/fuzz/klotix_record_file_fuzz \
	      -DSEEDS=tests/fuzz/corpus -DDICTIONARY=tests/fuzz/record_file.dict \
	      -DWORK=build/fuzz/long_run -DLIMITS=-max_total_time=$(FUZZ_SECONDS) \
	      -P tests/fuzz/run_fuzz.cmake

soak: deps
	cmake --preset soak
	cmake --build --preset soak -j $(JOBS)
	./build/soak/tests/soak/klotix_soak --pieces $(SOAK_PIECES)
