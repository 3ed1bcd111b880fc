// Birth-register-like records for the benchmarks: the births label
// list of the catalogue and deterministic field values in Windows-1252.
#ifndef VX_BENCH_BIRTH_RECORDS_H_
#define VX_BENCH_BIRTH_RECORDS_H_

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vx::testing {

// "1POSTNUMMER" "1LOKALID" ... "5REGANM": 37 short fields, 3 long texts.
const std::vector<std::string>& BirthLabels();

// One value per birth label for record `number`: names, places, dates with
// unknown parts, sources; about half the optional fields empty, as in
// transcribed registers.
std::vector<std::string> BirthLikeFields(uint32_t number, std::mt19937_64& random);

}  // namespace vx::testing

#endif  // VX_BENCH_BIRTH_RECORDS_H_
