// Writes single-member LHA archives around coded data, so that outside LHA
// tools can check our coders' output.
#ifndef VX_TESTS_SUPPORT_LHA_ARCHIVE_H_
#define VX_TESTS_SUPPORT_LHA_ARCHIVE_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vx::testing {

// A level-0 archive holding one member named `name` whose coded data is
// `coded` with the method `method` ("-lh5-", "-lh1-", "-lh0-"), followed by
// the end-of-archive byte.
std::vector<uint8_t> MakeLhaArchive(const std::string& method, const std::string& name,
                                    std::span<const uint8_t> coded,
                                    std::span<const uint8_t> original);

// The coded data of the first member of a level-0 LHA archive (what jlha
// writes), with its method; false when the archive cannot be read.
bool ReadFirstLhaMember(std::span<const uint8_t> archive, std::string& method,
                        std::vector<uint8_t>& coded, uint32_t& original_size);

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_LHA_ARCHIVE_H_
