// The statement writer and the quoted texts that the generic listings and
// the chips' listings share. Internal to src/listing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/utf8.h"
#include "listing/listing.h"

namespace tickwell::listing_detail {

inline std::string decimal(long long value) { return std::to_string(value); }

// Character `n` (1-based) of a bit text, or "" when the text is shorter.
inline std::string characterAt(const std::string& text, int n) { return std::string(utf8::at(text, static_cast<std::size_t>(n))); }

// The final character of a bit text, or "" for an empty text.
inline std::string lastCharacter(const std::string& text) { return std::string(utf8::last(text)); }

// Whether a count text gets its ISR line: it must sort after "0" by character code.
inline bool sortsAfterZero(const std::string& text) { return text.compare("0") > 0; }

// The list index of the postscaler times 8, kept to a 16-bit product.
inline std::string postscalerValue(int postIndex) {
  const auto product = static_cast<std::int16_t>(static_cast<long long>(postIndex) * 8);
  return decimal(product);
}

// Column of the comment mark on an instruction line that has a comment.
constexpr std::size_t kInstructionCommentColumn = 36;

// MPASM numbers: D'..' decimal, H'..' hexadecimal, B'..' binary (its default
// radix is hexadecimal, so a bare 96 would be 0x96).
inline std::string asmNumber(char radix, std::string_view digits) {
  return std::string(1, radix) + "'" + std::string(digits) + "'";
}

class Writer {
 public:
  Writer(ListingLanguage language, std::string_view lineEnd)
      : s_(syntaxOf(language)), language_(language), asm_(language == ListingLanguage::Assembler), end_(lineEnd) {}

  bool assembler() const { return asm_; }

  // Blanks between a statement and its comment (none in the window's listings).
  void setCommentGap(std::string_view gap) { gap_ = gap; }

  const std::string& text() const { return out_; }

  void raw(std::string_view text) { out_ += text; }

  // A comment line: mark, text, line end.
  void comment(std::string_view text) {
    out_ += s_.CmtMark;
    out_ += text;
    end();
  }

  // A register bit. The name literal "REG.BIT" is padded with blanks to
  // `width` characters; the comment, when given, may be empty (a bare mark).
  void bit(std::string_view reg, std::string_view bit, std::size_t width, std::string_view value,
           std::optional<std::string_view> comment = std::nullopt) {
    if (asm_) {
      // BSF for a bit text "1", BCF for any other: the bit texts are "0" or
      // "1" wherever the listing is the visible one.
      instruction(value == "1" ? "BSF" : "BCF", std::string(reg) + "," + std::string(bit), comment);
      return;
    }
    std::string name = std::string(reg) + (language_ == ListingLanguage::XC8 ? "bits." : ".") + std::string(bit);
    const std::size_t literal = reg.size() + 1 + bit.size();
    if (literal < width) name.append(width - literal, ' ');
    statement(name, value);
    if (comment) {
      out_ += gap_;
      out_ += s_.CmtMark;
      out_ += *comment;
    }
    end();
  }

  // A bit line written out as a comment, for reference.
  void commentedBit(std::string_view reg, std::string_view bit, std::size_t width, std::string_view value,
                    std::optional<std::string_view> comment = std::nullopt) {
    out_ += s_.CmtMark;
    this->bit(reg, bit, width, value, comment);
  }

  // The postscaler as the value to OR into T2CON, written out as a comment.
  // Assembler has no such line: its commented TOUTPS lines say the same.
  void commentedOrValue(std::string_view literal, std::string_view value, std::string_view comment) {
    if (asm_) return;
    out_ += s_.CmtMark;
    statement(literal, value);
    out_ += s_.CmtMark;
    out_ += comment;
    end();
  }

  // A whole register from a binary text (the digits without prefix).
  void wholeRegister(std::string_view reg, std::string_view binary, std::optional<std::string> comment = std::nullopt) {
    if (asm_) return load(reg, asmNumber('B', binary), comment);
    statement(std::string(reg) + " ", std::string(s_.BinPrefix) + std::string(binary));
    if (comment) {
      out_ += gap_;
      out_ += s_.CmtMark;
      out_ += *comment;
    }
    end();
  }

  // A preset: the number in decimal or hexadecimal digits, then `blanks`
  // blanks, the comment and the note.
  void decimalPreset(std::string_view reg, std::string_view number, int blanks, std::string_view comment,
                     std::string_view note = {}) {
    preset(reg, number, asmNumber('D', number), blanks, comment, note);
  }
  void hexPreset(std::string_view reg, std::string_view hex, int blanks, std::string_view comment,
                 std::string_view note = {}) {
    preset(reg, std::string(s_.HexPrefix) + std::string(hex), asmNumber('H', hex), blanks, comment, note);
  }

  // Selects the bank of a register before it is written; only assembler
  // writes this line.
  void bank(std::string_view reg, std::optional<std::string_view> comment = std::nullopt) {
    if (asm_) instruction("BANKSEL", reg, comment);
  }

 private:
  void end() { out_ += end_; }

  // Name, operator, " " + value, statement end.
  void statement(std::string_view name, std::string_view value) {
    out_ += name;
    out_ += s_.AssignOp;
    out_ += ' ';
    out_ += value;
    out_ += s_.StmtEnd;
  }

  void preset(std::string_view reg, std::string_view number, std::string_view asmLiteral, int blanks,
              std::string_view comment, std::string_view note) {
    if (asm_) return load(reg, asmLiteral, std::string(comment) + std::string(note));
    statement(std::string(reg) + " ", number);
    out_.append(static_cast<std::size_t>(blanks), ' ');
    out_ += s_.CmtMark;
    out_ += comment;
    out_ += note;
    end();
  }

  // A whole register through W; the comment goes with the literal.
  void load(std::string_view reg, std::string_view literal, std::optional<std::string> comment = std::nullopt) {
    instruction("MOVLW", literal, comment);
    instruction("MOVWF", reg);
  }

  // An instruction: eight blanks, the mnemonic in a field of eight, the
  // operands; a comment that has more than blanks follows from the comment
  // column, without the blanks it ends with.
  void instruction(std::string_view mnemonic, std::string_view operands,
                   std::optional<std::string_view> comment = std::nullopt) {
    std::string line(8, ' ');
    line += mnemonic;
    line.append(mnemonic.size() < 8 ? 8 - mnemonic.size() : 1, ' ');
    line += operands;
    out_ += line;
    const std::size_t last = comment ? comment->find_last_not_of(' ') : std::string_view::npos;
    if (last != std::string_view::npos) {
      out_.append(line.size() < kInstructionCommentColumn ? kInstructionCommentColumn - line.size() : 1, ' ');
      out_ += s_.CmtMark;
      out_ += comment->substr(0, last + 1);
    }
    end();
  }

  const ListingSyntax& s_;
  const ListingLanguage language_;
  const bool asm_;
  const std::string_view end_;
  std::string_view gap_;
  std::string out_;
};

// The texts a listing quotes, as the window shows them for the request.
struct Texts {
  std::string prescaler;   // "1:256"
  std::string postscaler;  // "1:10"
  int postIndex = 0;       // 0 for 1:1
  std::string preloadText;
  std::string frequency;   // the shown frequency with its unit caption, no blank between
  std::string period;      // the shown period, a blank, its unit caption
  std::string timeout;
  std::string overhead;
  std::string preBits;     // the selected timer's prescaler select bits
  std::string postBits;
  std::string hexH;
  std::string hexL;
  bool preOff = true;      // the prescaler is off (1:1)
  int widthBit = 0;        // 0 = 8-bit, 1 = 16-bit
};

Texts textsOf(const ListingRequest& r);

}  // namespace tickwell::listing_detail
