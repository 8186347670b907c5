// The fuzzer's input format: bytes that describe a whole shading call (record,
// connections, state and the host's script). Every byte string decodes to a
// case the runner accepts; missing bytes read as 0.
#ifndef NAPSHEEN_TESTS_FUZZ_INPUT_H
#define NAPSHEEN_TESTS_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "shading_case.h"

namespace napsheen_test {

// Longest list the format holds: light storage, served light arrays, rewrites.
inline constexpr std::size_t kFuzzMaxTags = 32;
// Most scripted lights, and most samples per light.
inline constexpr std::size_t kFuzzMaxLights = 16;
inline constexpr std::size_t kFuzzMaxSamples = 16;

// Decodes any bytes. Floats and integers are taken bit for bit, so NaN,
// infinities, subnormals and extreme counts all occur; the light list is then
// kept inside its storage, which the host guarantees. Expects nothing.
ShadingCase case_from_bytes(const uint8_t* data, std::size_t size);

// Encodes a case whose lists fit the limits above and whose connection words
// lie past the record, such that decoding gives the same shading call.
// Throws std::runtime_error for a case the format cannot hold.
std::vector<uint8_t> bytes_from_case(const ShadingCase& shading_case);

} // namespace napsheen_test

#endif
