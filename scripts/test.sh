#!/bin/sh
# Builds and runs every test: the ordinary build, then an AddressSanitizer and
# UndefinedBehaviorSanitizer build with clang, which also runs the line breaker's fuzzer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DMAVLO_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure
