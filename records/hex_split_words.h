// Words of the record texts in which a Windows-1252 letter is followed by a
// letter that is also a hex digit ("F\xF6" "dd"): the literal has to be
// split after the escape, and the formatter would put each piece on a line
// of its own, so they are spelled once here.
#ifndef VX_RECORDS_HEX_SPLIT_WORDS_H_
#define VX_RECORDS_HEX_SPLIT_WORDS_H_

namespace vx {

// clang-format off
inline constexpr char kFoddWord[] = "F\xF6" "dd";                // Född
inline constexpr char kDodWord[] = "D\xF6" "d";                  // Död
inline constexpr char kDodfoddWord[] = "D\xF6" "df\xF6" "dd";    // Dödfödd
inline constexpr char kDodsorsakWord[] = "D\xF6" "dsorsak";      // Dödsorsak
inline constexpr char kSamtidigtFoddaWord[] = "Antal samtidigt f\xF6" "dda";  // ... födda
// clang-format on

}  // namespace vx

#endif  // VX_RECORDS_HEX_SPLIT_WORDS_H_
