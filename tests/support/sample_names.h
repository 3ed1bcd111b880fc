// Names and parishes for generated test records, in Windows-1252:
// \xe5 å, \xe4 ä, \xf6 ö, \xc5 Å, \xc4 Ä, \xd6 Ö (\326 where letters follow).
#ifndef VX_TESTS_SUPPORT_SAMPLE_NAMES_H_
#define VX_TESTS_SUPPORT_SAMPLE_NAMES_H_

#include <array>

namespace vx::testing {

inline constexpr std::array<const char*, 16> kSampleFirstNames = {
    "Anna",  "Maria", "Johan", "Per",    "Erik", "Kerstin", "Brita",   "Lars",
    "Karin", "Nils",  "Olof",  "Ingrid", "Sven", "Stina",   "J\xf6ns", "M\xe4rta"};
inline constexpr std::array<const char*, 12> kSampleSurnames = {
    "Andersson", "Johansson",  "Karlsson",   "Nilsson",  "Eriksson", "Larsson",
    "Olsdotter", "Persdotter", "\xc5kesson", "\326berg", "Str\xf6m", "H\xe4ll"};
inline constexpr std::array<const char*, 8> kSampleParishes = {
    "Kalvbrunn",       "Valdrisen",    "Tovik", "\xc4lvsbyn",
    "\xd6ster\xe5ker", "Sk\xe4llinge", "Hov",   "Ramsele"};

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_SAMPLE_NAMES_H_
