// Texts a user, or a pasted clipboard, may put into a number entry that no
// entry takes as a number: empty and blank texts, letters, numbers in forms
// the entries do not read (digit grouping, hexadecimal, full-width digits),
// values that overflow a double, control characters, and texts far longer
// than any box. Shared by the entry tests and the fuzzer.
#pragma once

#include <string>
#include <vector>

namespace tickwell::checks {

inline const std::string kLongOnes(10000, '1');
inline const std::string kLongControls(10000, '\x01');

inline const std::vector<std::string> kHostileTexts = {
    "",       "   ",      "abc",        "12a",         "1e400", "-1e400", "NaN",      "nan",
    "inf",    "-inf",     "Infinity",   "&H10",        "0x10",  "1,000",  "1 2",      "5e",
    "e5",     ".",        "-",          "+",
    "\xEF\xBC\x91\xEF\xBC\x92",  // full-width "12"
    "\x01\x02", kLongOnes, kLongControls,
};

}  // namespace tickwell::checks
