// Register set-up listings of Timer0..Timer3 for the PIC16 and PIC18 families.
//
// Each listing is described once, as a sequence of comment lines and register
// statements; the Writer renders every statement in the chosen language, so
// all languages set the very same register bits.
//
// mikroBasic, mikroC, microPascal and XC8: every line is a plain
// concatenation of fixed texts, control values and the five syntax strings of
// the language; all blanks sit inside the fixed texts. XC8 writes the mikroC
// lines, with a bit reached through the register's ...bits structure of
// <xc.h> (OPTION_REGbits.T0CS).
//
// Assembler (MPASM, also read by gputils' gpasm): the same comment lines;
// BSF/BCF per bit, MOVLW/MOVWF per whole register, BANKSEL around the PIC16
// registers outside bank 0 (the listing starts and ends in bank 0).
//
// Every line ends with CR LF, except the PIC18 Timer0 heading, which runs on
// into its summary line.
#include "listing/listing.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/utf8.h"

namespace tickwell {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string decimal(long long value) { return std::to_string(value); }

// Character `n` (1-based) of a bit text, or "" when the text is shorter.
std::string characterAt(const std::string& text, int n) { return std::string(utf8::at(text, static_cast<std::size_t>(n))); }

// The final character of a bit text, or "" for an empty text.
std::string lastCharacter(const std::string& text) { return std::string(utf8::last(text)); }

// Whether a count text gets its ISR line: it must sort after "0" by character code.
bool sortsAfterZero(const std::string& text) { return text.compare("0") > 0; }

// The list index of the postscaler times 8, kept to a 16-bit product.
std::string postscalerValue(int postIndex) {
  const auto product = static_cast<std::int16_t>(static_cast<long long>(postIndex) * 8);
  return decimal(product);
}

// Column of the comment mark on an instruction line that has a comment.
constexpr std::size_t kInstructionCommentColumn = 36;

// MPASM numbers: D'..' decimal, H'..' hexadecimal, B'..' binary (its default
// radix is hexadecimal, so a bare 96 would be 0x96).
std::string asmNumber(char radix, std::string_view digits) {
  return std::string(1, radix) + "'" + std::string(digits) + "'";
}

class Writer {
 public:
  explicit Writer(const ListingSyntax& s) : s_(s), asm_(s.language == ListingLanguage::Assembler) {}

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
    std::string name = std::string(reg) + (s_.language == ListingLanguage::XC8 ? "bits." : ".") + std::string(bit);
    const std::size_t literal = reg.size() + 1 + bit.size();
    if (literal < width) name.append(width - literal, ' ');
    statement(name, value);
    if (comment) {
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
  void wholeRegister(std::string_view reg, std::string_view binary) {
    if (asm_) return load(reg, asmNumber('B', binary));
    statement(std::string(reg) + " ", s_.BinPrefix + std::string(binary));
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
    preset(reg, s_.HexPrefix + std::string(hex), asmNumber('H', hex), blanks, comment, note);
  }

  // Selects the bank of a register before it is written; only assembler
  // writes this line.
  void bank(std::string_view reg) {
    if (asm_) instruction("BANKSEL", reg);
  }

 private:
  void end() { out_ += kCrLf; }

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
  const bool asm_;
  std::string out_;
};

void isrLines(Writer& w, const ListingInput& in) {
  if (sortsAfterZero(in.timeoutText)) w.comment(" ISR Timeout cycles:" + in.timeoutText);
  if (sortsAfterZero(in.overheadText)) w.comment(" ISR Overhead cycles:" + in.overheadText);
}

void summaryLine(Writer& w, const ListingInput& in, std::string_view presetLabel) {
  std::string line = " Prescaler=" + in.preText;
  line += presetLabel;
  line +=
      in.regValText + "; Freq=" + in.hzCaption + in.hertzUnit + "; Period=" + in.periodCaption + " " + in.periodUnit;
  w.comment(line);
}

std::string preloadNumber(const ListingInput& in) { return decimal(in.preload); }

std::string timer2OnBit(const ListingInput& in) { return in.preload != 0 ? "1" : "0"; }

std::string pr2Note(const ListingInput& in) { return in.pr2Adjust ? "(1 cycle adjusted)" : ""; }

// The width of the bit name literals, which aligns their operators.
constexpr std::size_t kOptionWidth = 16;  // "OPTION_REG.T0CS "
constexpr std::size_t kConWidth = 14;     // "T1CON.T1CKPS1 "
constexpr std::size_t kT0conWidth = 13;   // "T0CON.TMR0ON "

std::string pic16Timer0(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer0 Registers: ");
  summaryLine(w, in, "; TMR0 Preset=");
  isrLines(w, in);
  w.bank("OPTION_REG");
  w.bit("OPTION_REG", "T0CS", kOptionWidth, "0",
        " bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit("OPTION_REG", "T0SE", kOptionWidth, "0", " bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit("OPTION_REG", "PSA", kOptionWidth, decimal(in.preOff),
        " bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0");
  w.bit("OPTION_REG", "PS2", kOptionWidth, characterAt(in.preBits, 1),
        " bits 2-0  PS2:PS0: Prescaler Rate Select bits");
  w.bit("OPTION_REG", "PS1", kOptionWidth, characterAt(in.preBits, 2));
  w.bit("OPTION_REG", "PS0", kOptionWidth, lastCharacter(in.preBits));
  w.bank("TMR0");
  w.decimalPreset("TMR0", preloadNumber(in), 11, " preset for timer register",
                  in.tmr0Adjust ? "(2 cycle adjusted)" : "");
  return w.text();
}

std::string timer1(const ListingInput& in, const ListingSyntax& s, Family family) {
  const bool pic18 = family == Family::PIC18;
  Writer w(s);
  w.comment(pic18 ? " Timer1 Registers:" : " Timer1 Registers: ");
  summaryLine(w, in, "; TMR1 Preset=");
  isrLines(w, in);
  w.bit("T1CON", "T1CKPS1", kConWidth, characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  if (pic18) {
    w.bit("T1CON", "T1CKPS0", kConWidth, lastCharacter(in.preBits), "");  // bare comment mark
  } else {
    w.bit("T1CON", "T1CKPS0", kConWidth, lastCharacter(in.preBits));
  }
  w.bit("T1CON", "T1OSCEN", kConWidth, "1", " bit 3 Timer1 Oscillator Enable Control: bit 1=on");
  w.bit("T1CON", "T1SYNC", kConWidth, "1",
        " bit 2 Timer1 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit("T1CON", "TMR1CS", kConWidth, "0",
        pic18 ? " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T13CKI (on the rising edge)"
              : " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T1CKI (on the rising edge)");
  w.bit("T1CON", "TMR1ON", kConWidth, "1", " bit 0 enables timer");
  w.hexPreset("TMR1H", in.hexH, 5, " preset for timer1 MSB register");
  w.hexPreset("TMR1L", in.hexL, 5, " preset for timer1 LSB register");
  return w.text();
}

std::string timer2(const ListingInput& in, const ListingSyntax& s, Family family) {
  const std::string on = timer2OnBit(in);
  Writer w(s);
  w.comment(" Timer2 Registers:");
  w.comment(" Prescaler=" + in.preText + "; TMR2 PostScaler=" + in.postText + "; PR2=" + in.regValText +
            " - Freq = " + in.hzCaption + in.hertzUnit + " - Period = " + in.periodCaption + " " + in.periodUnit);
  isrLines(w, in);
  // The single bits for reference; the whole-register line sets them all.
  // Assembler has no OR-value line, so its first postscaler bit takes over
  // that line's comment.
  w.commentedOrValue("T2CON |       ", postscalerValue(in.postIndex), " bits 6-3 Post scaler 1:1 thru 1:16");
  if (s.language == ListingLanguage::Assembler) {
    w.commentedBit("T2CON", "TOUTPS3", kConWidth, characterAt(in.postBits, 1), " bits 6-3 Post scaler 1:1 thru 1:16");
  } else {
    w.commentedBit("T2CON", "TOUTPS3", kConWidth, characterAt(in.postBits, 1));
  }
  w.commentedBit("T2CON", "TOUTPS2", kConWidth, characterAt(in.postBits, 2));
  w.commentedBit("T2CON", "TOUTPS1", kConWidth, characterAt(in.postBits, 3));
  w.commentedBit("T2CON", "TOUTPS0", kConWidth, lastCharacter(in.postBits));
  w.commentedBit("T2CON", "TMR2ON", kConWidth, on, " Timer2 on bit: 1=Timer2 is on;");
  w.commentedBit("T2CON", "T2CKPS1", kConWidth, characterAt(in.preBits, 1), " bits 1-0  Prescaler Rate Select bits");
  w.commentedBit("T2CON", "T2CKPS0", kConWidth, lastCharacter(in.preBits));
  w.wholeRegister("T2CON", "0" + in.postBits + on + in.preBits);
  if (family == Family::PIC16) w.bank("PR2");
  w.decimalPreset("PR2", preloadNumber(in), 11,
                  family == Family::PIC18 ? " PR2 (Timer2 Match value)" : " PR2 (Timer2 Match value) ", pr2Note(in));
  if (family == Family::PIC16) w.bank("T2CON");
  return w.text();
}

std::string pic18Timer0(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  // The heading has no line end of its own: it runs on into the summary.
  w.raw(s.CmtMark + " Timer0 Registers:");
  // Appended piece by piece: g++ 12 at -O3 warns falsely about a literal + string.
  std::string summary = " ";
  summary += decimal((static_cast<long long>(in.timerMode) + 1) * 8);
  summary += "-Bit Mode; Prescaler=" + in.preText + "; TMRH Preset=" + in.hexH + "; TMRL Preset=" + in.hexL +
             "; Freq=" + in.hzCaption + in.hertzUnit + "; Period=" + in.periodCaption + " " + in.periodUnit;
  w.comment(summary);
  isrLines(w, in);
  w.bit("T0CON", "TMR0ON", kT0conWidth, "1", " Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0");
  w.bit("T0CON", "T08BIT", kT0conWidth, decimal(in.timerMode ^ 1),
        " Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit timer/counter");
  w.bit("T0CON", "T0CS", kT0conWidth, "0",
        " TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit("T0CON", "T0SE", kT0conWidth, "0", " TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit("T0CON", "PSA", kT0conWidth, decimal(in.preOff),
        " Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT assigned/bypassed");
  w.bit("T0CON", "T0PS2", kT0conWidth, characterAt(in.preBits, 1), " bits 2-0  PS2:PS0: Prescaler Select bits");
  w.bit("T0CON", "T0PS1", kT0conWidth, characterAt(in.preBits, 2));
  w.bit("T0CON", "T0PS0", kT0conWidth, lastCharacter(in.preBits));
  // TMR0H first: it is a buffer that the TMR0L write takes over.
  w.hexPreset("TMR0H", in.hexH, 4, " preset for Timer0 MSB register");
  w.hexPreset("TMR0L", in.hexL, 4, " preset for Timer0 LSB register", in.tmr0Adjust ? "(1 cycle adjusted)" : "");
  return w.text();
}

std::string pic18Timer3(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer3 Registers:");
  summaryLine(w, in, "; TMR3 Preset=");
  isrLines(w, in);
  w.bit("T3CON", "T3CKPS1", kConWidth, characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  w.bit("T3CON", "T3CKPS0", kConWidth, lastCharacter(in.preBits), "");  // bare comment mark
  w.bit("T3CON", "T3SYNC", kConWidth, "1",
        " bit 2 Timer3 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit("T3CON", "TMR3CS", kConWidth, "0", " bit 1 Timer3 Clock Source Select bit:0=Internal clock (FOSC/4)");
  w.bit("T3CON", "TMR3ON", kConWidth, "1", " bit 0 enables timer");
  w.hexPreset("TMR3H", in.hexH, 7, " preset for timer3 MSB register");
  w.hexPreset("TMR3L", in.hexL, 5, " preset for timer3 LSB register");
  return w.text();
}

}  // namespace

ListingSyntax syntaxForLanguage(int index, const ListingSyntax& last) {
  switch (index) {
    case 0:
      return ListingSyntax{"'", "=", "%", "$", " ", ListingLanguage::MikroBasic};
    case 1:
      return ListingSyntax{"//", "=", "0b", "0x", ";", ListingLanguage::MikroC};
    case 2:
      return ListingSyntax{"//", ":=", "%", "$", ";", ListingLanguage::MicroPascal};
    case 3:
      return ListingSyntax{"//", "=", "0b", "0x", ";", ListingLanguage::XC8};
    case 4:
      // No assignment operator and no statement end: a value goes through W
      // and the line end closes an instruction. B'...' and H'...' close with
      // a quote of their own.
      return ListingSyntax{";", "", "B'", "H'", "", ListingLanguage::Assembler};
    default:
      return last;
  }
}

std::array<std::string, 4> buildListings(Family family, const ListingInput& in, const ListingSyntax& syntax) {
  if (family == Family::PIC16) {
    return {pic16Timer0(in, syntax), timer1(in, syntax, family), timer2(in, syntax, family), kNotAvailable};
  }
  return {pic18Timer0(in, syntax), timer1(in, syntax, family), timer2(in, syntax, family), pic18Timer3(in, syntax)};
}

}  // namespace tickwell
