// A small register set made by the programs themselves, for process tests:
// `kuvo-data exempel` writes the sources, `kuvo-data bygg` builds them.
#ifndef VX_TESTS_SUPPORT_SAMPLE_REGISTER_SET_H_
#define VX_TESTS_SUPPORT_SAMPLE_REGISTER_SET_H_

#include <cstdint>
#include <filesystem>
#include <string>

namespace vx::testing {

// Builds a set of the given counts in dir/data and writes dir/kuvo.ini,
// which names it. Returns the ini file's path, or an empty path when
// either program failed.
std::filesystem::path BuildSampleRegisterSet(const std::string& kuvo_data,
                                             const std::filesystem::path& dir, int64_t births,
                                             int64_t marriages, int64_t deaths);

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_SAMPLE_REGISTER_SET_H_
