// The two shown forms of a stored date. Dates are stored as YYYYMMDD, unknown
// parts written "00", "99" or with the letter X (17450000, 1745XX12, 9999),
// so that plain text order is date order.
#ifndef VX_RECORDS_DATE_TEXT_H_
#define VX_RECORDS_DATE_TEXT_H_

#include <string>
#include <string_view>

namespace vx {

// The display form D/M YYYY of record texts, unknown parts left out:
// 17530403 gives "3/4 1753", 17531200 "?/12 1753", 17530000 and 1753XX12
// "1753", 9999 "". A month or day of "00", "99", "XX", "0X" or "X0" (the
// letter in either case) is unknown; an unknown month gives the year alone.
std::string datumtext(std::string_view date);

// The English form of a record text's date: 17530403 gives "3 Apr 1753",
// 17531200 "Dec 1753", 17530000 "1753", 9999 ""; unknown parts as for
// datumtext.
std::string EnglishDateText(std::string_view date);

// True for a date of which nothing is known: its year is 9999. Stored so,
// it sorts after every known date.
bool IsUnknownDate(std::string_view date);

// The dashed form YYYY-MM-DD of printed lists: "-" inserted before the
// seventh and then before the fifth character, at the end when the text is
// shorter (175312 gives "1753-12-"). An empty date stays empty, and so does
// an unknown one (9999 would read "9999--", a date that is none).
std::string DashedDate(std::string_view date);

}  // namespace vx

#endif  // VX_RECORDS_DATE_TEXT_H_
