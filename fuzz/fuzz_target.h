// A fuzz target: one reader of the game fed with arbitrary bytes, and then the frames of play or
// drawing that the reader's values feed. Each target file holds one
//
//     YOMOGI_FUZZ_TARGET(name)(const uint8_t* data, size_t size) { ...; return 0; }
//
// Built with libFuzzer (-DYOMOGI_FUZZ=ON, clang) each target is a program of its own, fuzz_<name>.
// Built without it, every target is linked into one program, yomogi_fuzz_replay, that runs a
// target over the files of its seed corpus: the tests do that in every run, and it replays a
// finding on any compiler.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef YOMOGI_LIBFUZZER
#define YOMOGI_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput
#else
using FuzzEntry = int (*)(const uint8_t* data, size_t size);
struct FuzzRegistration {
    FuzzRegistration(const char* name, FuzzEntry entry);
};
#define YOMOGI_FUZZ_TARGET(name)                                             \
    static int fuzz_##name(const uint8_t* data, size_t size);                \
    static const FuzzRegistration fuzzRegistration_##name(#name, fuzz_##name); \
    static int fuzz_##name
#endif
