// Register set-up listings of Timer0..Timer3 for the PIC16 and PIC18 families,
// in the syntax of mikroBasic, mikroC, microPascal, XC8 or MPASM assembler.
// Pure functions of their inputs: the calculator window passes the values of
// its controls; tests build listings from explicit values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "timer/timer_spec.h"

namespace tickwell {

// The languages of the language list, in list order.
enum class ListingLanguage { MikroBasic, MikroC, MicroPascal, XC8, Assembler };

// The five syntax strings of a listing language, and the language itself:
// mikroBasic, mikroC and microPascal listings follow from the strings alone;
// XC8 names bits through the <xc.h> ...bits structures, and the assembler
// listing writes instructions.
struct ListingSyntax {
  std::string CmtMark = "'";
  std::string AssignOp = "=";
  std::string BinPrefix = "%";
  std::string HexPrefix = "$";
  std::string StmtEnd = " ";
  ListingLanguage language = ListingLanguage::MikroBasic;

  bool operator==(const ListingSyntax&) const = default;
};

// Entries of the language list, in list order.
inline constexpr std::array<const char*, 5> kListingLanguages = {"mikroBasic", "mikroC", "microPascal", "XC8",
                                                                "Assembler"};

// The syntax of list entry `index` (0..4); any other index (-1 when nothing is
// selected) keeps `last`.
ListingSyntax syntaxForLanguage(int index, const ListingSyntax& last);

// The values a listing reads from the calculator window, as the controls show
// them (texts are copied as they stand, never trimmed).
struct ListingInput {
  std::string preText;        // cbPre selected entry, e.g. "1:256"
  std::string postText;       // cbPost selected entry, e.g. "1:10"
  int postIndex = 0;          // cbPost list index, -1..15
  std::string regValText;     // txtRegVal
  std::string hzCaption;      // lblHz
  std::string hertzUnit;      // btnHertz caption
  std::string periodCaption;  // lblInterrupt
  std::string periodUnit;     // btnInterrupt caption
  std::string timeoutText;    // txtTimeout
  std::string overheadText;   // txtOverhead
  std::string preBits;        // txtPreBits
  std::string postBits;       // txtPostBits
  std::int32_t preload = 0;   // sl1 value
  std::string hexH;           // txtHexH
  std::string hexL;           // txtHexL
  bool tmr0Adjust = false;    // chkTMR0 checked
  bool pr2Adjust = false;     // chkPR2 checked
  int preOff = 1;             // PreOff: 1 while the prescaler is 1:1
  int timerMode = 0;          // 0 = 8-bit, 1 = 16-bit
};

inline constexpr const char* kNotAvailable = "NOT AVAILABLE";

// The four listing texts, Timer0..Timer3. On PIC16 the Timer3 text is
// "NOT AVAILABLE" without a line end.
std::array<std::string, 4> buildListings(Family family, const ListingInput& in, const ListingSyntax& syntax);

}  // namespace tickwell
