// Register set-up listings of Timer0..Timer3 for the PIC16 and PIC18 families.
//
// Every line is a plain concatenation of fixed texts, control values and the
// five syntax strings of the chosen language; all blanks sit inside the fixed
// texts. Every line ends with CR LF, except the PIC18 Timer0 heading, which
// runs on into its summary line.
//
// XC8 shares the lines of mikroC; only its bit names go through the ...bits
// structures of <xc.h> (OPTION_REGbits.T0CS). The assembler listing keeps the
// comment lines of the others and writes each statement as MPASM instructions
// that set the very same register bits: BSF/BCF per bit, MOVLW/MOVWF per whole
// register, BANKSEL around the PIC16 registers outside bank 0.
#include "listing/listing.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tickwell {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string decimal(long long value) { return std::to_string(value); }

// True for the lead byte of a UTF-8 character (anything but a continuation byte).
bool startsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }

// Character `n` (1-based) of a text, or "" when the text is shorter.
std::string characterAt(const std::string& text, int n) {
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!startsCharacter(text[i])) continue;
    if (++seen == n) {
      std::size_t end = i + 1;
      while (end < text.size() && !startsCharacter(text[end])) ++end;
      return text.substr(i, end - i);
    }
  }
  return {};
}

// The final character of a text, or "" for an empty text.
std::string lastCharacter(const std::string& text) {
  if (text.empty()) return {};
  std::size_t start = text.size() - 1;
  while (start > 0 && !startsCharacter(text[start])) --start;
  return text.substr(start);
}

// Whether a count text gets its ISR line: it must sort after "0" by character code.
bool sortsAfterZero(const std::string& text) { return text.compare("0") > 0; }

// The list index of the postscaler times 8, kept to a 16-bit product.
std::string postscalerValue(int postIndex) {
  const auto product = static_cast<std::int16_t>(static_cast<long long>(postIndex) * 8);
  return decimal(product);
}

// Column of the comment mark on an instruction line that has a comment.
constexpr std::size_t kInstructionCommentColumn = 36;

class Writer {
 public:
  explicit Writer(const ListingSyntax& s) : s_(s) {}

  const std::string& text() const { return out_; }

  // Line end of the line being written.
  void end() { out_ += kCrLf; }

  // A comment line: mark, text, line end.
  void comment(std::string_view text) {
    out_ += s_.CmtMark;
    out_ += text;
    end();
  }

  // A bit line: name, operator, " " + value, statement end, comment mark,
  // comment, line end.
  void bit(std::string_view name, std::string_view value, std::string_view comment) {
    statement(name, value);
    out_ += s_.CmtMark;
    out_ += comment;
    end();
  }

  // A bit line without a comment.
  void bit(std::string_view name, std::string_view value) {
    statement(name, value);
    end();
  }

  // A bit line written out as a comment.
  void commentedBit(std::string_view name, std::string_view value, std::string_view comment) {
    out_ += s_.CmtMark;
    bit(name, value, comment);
  }
  void commentedBit(std::string_view name, std::string_view value) {
    out_ += s_.CmtMark;
    bit(name, value);
  }

  // A preset line: name, operator, " " + number, statement end, `blanks`
  // blanks, comment mark, comment, note, line end.
  void preset(std::string_view name, std::string_view number, int blanks, std::string_view comment,
              std::string_view note = {}) {
    statement(name, number);
    out_.append(static_cast<std::size_t>(blanks), ' ');
    out_ += s_.CmtMark;
    out_ += comment;
    out_ += note;
    end();
  }

  // A preset line whose number is hexadecimal.
  void hexPreset(std::string_view name, const std::string& hex, int blanks, std::string_view comment,
                 std::string_view note = {}) {
    preset(name, s_.HexPrefix + hex, blanks, comment, note);
  }

  void raw(std::string_view text) { out_ += text; }

  // An assembler instruction: eight blanks, the mnemonic in a field of eight,
  // the operands, then, where there is a comment, blanks up to the comment
  // column (at least one), the comment mark and the comment.
  void instruction(std::string_view mnemonic, std::string_view operands,
                   std::optional<std::string_view> comment = std::nullopt) {
    std::string line(8, ' ');
    line += mnemonic;
    line.append(mnemonic.size() < 8 ? 8 - mnemonic.size() : 1, ' ');
    line += operands;
    out_ += line;
    if (comment) {
      out_.append(line.size() < kInstructionCommentColumn ? kInstructionCommentColumn - line.size() : 1, ' ');
      out_ += s_.CmtMark;
      out_ += *comment;
    }
    end();
  }

  // BSF for a bit text "1", BCF for any other: the value pieces of the other
  // languages are "0" or "1" wherever the listing is the visible one.
  void setBit(std::string_view reg, std::string_view bit, std::string_view value,
              std::optional<std::string_view> comment = std::nullopt) {
    instruction(value == "1" ? "BSF" : "BCF", std::string(reg) + "," + std::string(bit), comment);
  }
  void commentedSetBit(std::string_view reg, std::string_view bit, std::string_view value,
                       std::optional<std::string_view> comment = std::nullopt) {
    out_ += s_.CmtMark;
    setBit(reg, bit, value, comment);
  }

  // A whole register through W; the comment goes with the literal.
  void load(std::string_view reg, std::string_view literal, std::optional<std::string_view> comment = std::nullopt) {
    instruction("MOVLW", literal, comment);
    instruction("MOVWF", reg);
  }

 private:
  // Name, operator, " " + value, statement end. XC8 reaches a bit through
  // the register's ...bits structure.
  void statement(std::string_view name, std::string_view value) {
    const std::size_t dot = name.find('.');
    if (s_.language == ListingLanguage::XC8 && dot != std::string_view::npos) {
      out_ += name.substr(0, dot);
      out_ += "bits";
      out_ += name.substr(dot);
    } else {
      out_ += name;
    }
    out_ += s_.AssignOp;
    out_ += ' ';
    out_ += value;
    out_ += s_.StmtEnd;
  }

  const ListingSyntax& s_;
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

std::string pic16Timer0(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer0 Registers: ");
  summaryLine(w, in, "; TMR0 Preset=");
  isrLines(w, in);
  w.bit("OPTION_REG.T0CS ", "0",
        " bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit("OPTION_REG.T0SE ", "0", " bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit("OPTION_REG.PSA  ", decimal(in.preOff),
        " bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0");
  w.bit("OPTION_REG.PS2  ", characterAt(in.preBits, 1), " bits 2-0  PS2:PS0: Prescaler Rate Select bits");
  w.bit("OPTION_REG.PS1  ", characterAt(in.preBits, 2));
  w.bit("OPTION_REG.PS0  ", lastCharacter(in.preBits));
  w.preset("TMR0 ", preloadNumber(in), 11, " preset for timer register", in.tmr0Adjust ? "(2 cycle adjusted)" : "");
  return w.text();
}

std::string timer1(const ListingInput& in, const ListingSyntax& s, Family family) {
  const bool pic18 = family == Family::PIC18;
  Writer w(s);
  w.comment(pic18 ? " Timer1 Registers:" : " Timer1 Registers: ");
  summaryLine(w, in, "; TMR1 Preset=");
  isrLines(w, in);
  w.bit("T1CON.T1CKPS1 ", characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  if (pic18) {
    w.bit("T1CON.T1CKPS0 ", lastCharacter(in.preBits), "");  // bare comment mark
  } else {
    w.bit("T1CON.T1CKPS0 ", lastCharacter(in.preBits));
  }
  w.bit("T1CON.T1OSCEN ", "1", " bit 3 Timer1 Oscillator Enable Control: bit 1=on");
  w.bit("T1CON.T1SYNC  ", "1",
        " bit 2 Timer1 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit("T1CON.TMR1CS  ", "0",
        pic18 ? " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T13CKI (on the rising edge)"
              : " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T1CKI (on the rising edge)");
  w.bit("T1CON.TMR1ON  ", "1", " bit 0 enables timer");
  w.hexPreset("TMR1H ", in.hexH, 5, " preset for timer1 MSB register");
  w.hexPreset("TMR1L ", in.hexL, 5, " preset for timer1 LSB register");
  return w.text();
}

std::string timer2(const ListingInput& in, const ListingSyntax& s, Family family) {
  const std::string on = timer2OnBit(in);
  Writer w(s);
  w.comment(" Timer2 Registers:");
  w.comment(" Prescaler=" + in.preText + "; TMR2 PostScaler=" + in.postText + "; PR2=" + in.regValText +
            " - Freq = " + in.hzCaption + in.hertzUnit + " - Period = " + in.periodCaption + " " + in.periodUnit);
  isrLines(w, in);
  w.commentedBit("T2CON |       ", postscalerValue(in.postIndex), " bits 6-3 Post scaler 1:1 thru 1:16");
  w.commentedBit("T2CON.TOUTPS3 ", characterAt(in.postBits, 1));
  w.commentedBit("T2CON.TOUTPS2 ", characterAt(in.postBits, 2));
  w.commentedBit("T2CON.TOUTPS1 ", characterAt(in.postBits, 3));
  w.commentedBit("T2CON.TOUTPS0 ", lastCharacter(in.postBits));
  w.commentedBit("T2CON.TMR2ON  ", on, " Timer2 on bit: 1=Timer2 is on;");
  w.commentedBit("T2CON.T2CKPS1 ", characterAt(in.preBits, 1), " bits 1-0  Prescaler Rate Select bits");
  w.commentedBit("T2CON.T2CKPS0 ", lastCharacter(in.preBits));
  w.bit("T2CON ", s.BinPrefix + "0" + in.postBits + on + in.preBits);
  w.preset("PR2 ", preloadNumber(in), 11,
           family == Family::PIC18 ? " PR2 (Timer2 Match value)" : " PR2 (Timer2 Match value) ", pr2Note(in));
  return w.text();
}

std::string pic18Timer0(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  // The heading has no line end of its own: it runs on into the summary.
  w.raw(s.CmtMark + " Timer0 Registers:");
  w.comment(" " + decimal((static_cast<long long>(in.timerMode) + 1) * 8) + "-Bit Mode; Prescaler=" + in.preText +
            "; TMRH Preset=" + in.hexH + "; TMRL Preset=" + in.hexL + "; Freq=" + in.hzCaption + in.hertzUnit +
            "; Period=" + in.periodCaption + " " + in.periodUnit);
  isrLines(w, in);
  w.bit("T0CON.TMR0ON ", "1", " Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0");
  w.bit("T0CON.T08BIT ", decimal(in.timerMode ^ 1),
        " Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit timer/counter");
  w.bit("T0CON.T0CS   ", "0", " TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit("T0CON.T0SE   ", "0", " TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit("T0CON.PSA    ", decimal(in.preOff),
        " Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT assigned/bypassed");
  w.bit("T0CON.T0PS2  ", characterAt(in.preBits, 1), " bits 2-0  PS2:PS0: Prescaler Select bits");
  w.bit("T0CON.T0PS1  ", characterAt(in.preBits, 2));
  w.bit("T0CON.T0PS0  ", lastCharacter(in.preBits));
  w.hexPreset("TMR0H ", in.hexH, 4, " preset for Timer0 MSB register");
  w.hexPreset("TMR0L ", in.hexL, 4, " preset for Timer0 LSB register", in.tmr0Adjust ? "(1 cycle adjusted)" : "");
  return w.text();
}

std::string pic18Timer3(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer3 Registers:");
  summaryLine(w, in, "; TMR3 Preset=");
  isrLines(w, in);
  w.bit("T3CON.T3CKPS1 ", characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  w.bit("T3CON.T3CKPS0 ", lastCharacter(in.preBits), "");  // bare comment mark
  w.bit("T3CON.T3SYNC  ", "1",
        " bit 2 Timer3 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit("T3CON.TMR3CS  ", "0", " bit 1 Timer3 Clock Source Select bit:0=Internal clock (FOSC/4)");
  w.bit("T3CON.TMR3ON  ", "1", " bit 0 enables timer");
  w.hexPreset("TMR3H ", in.hexH, 7, " preset for timer3 MSB register");
  w.hexPreset("TMR3L ", in.hexL, 5, " preset for timer3 LSB register");
  return w.text();
}

// ---------------------------------------------------------------- assembler
//
// MPASM numbers: D'..' decimal, H'..' hexadecimal, B'..' binary (the default
// radix of MPASM is hexadecimal, so a bare 96 would be 0x96).

std::string asmDecimal(long long value) { return "D'" + decimal(value) + "'"; }
std::string asmHex(const std::string& digits) { return "H'" + digits + "'"; }

std::string pic16Timer0Asm(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer0 Registers: ");
  summaryLine(w, in, "; TMR0 Preset=");
  isrLines(w, in);
  w.instruction("BANKSEL", "OPTION_REG");
  w.setBit("OPTION_REG", "T0CS", "0",
           " bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.setBit("OPTION_REG", "T0SE", "0", " bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.setBit("OPTION_REG", "PSA", decimal(in.preOff),
           " bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0");
  w.setBit("OPTION_REG", "PS2", characterAt(in.preBits, 1), " bits 2-0  PS2:PS0: Prescaler Rate Select bits");
  w.setBit("OPTION_REG", "PS1", characterAt(in.preBits, 2));
  w.setBit("OPTION_REG", "PS0", lastCharacter(in.preBits));
  w.instruction("BANKSEL", "TMR0");
  w.load("TMR0", asmDecimal(in.preload),
         std::string(" preset for timer register") + (in.tmr0Adjust ? "(2 cycle adjusted)" : ""));
  return w.text();
}

std::string timer1Asm(const ListingInput& in, const ListingSyntax& s, Family family) {
  const bool pic18 = family == Family::PIC18;
  Writer w(s);
  w.comment(pic18 ? " Timer1 Registers:" : " Timer1 Registers: ");
  summaryLine(w, in, "; TMR1 Preset=");
  isrLines(w, in);
  w.setBit("T1CON", "T1CKPS1", characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  w.setBit("T1CON", "T1CKPS0", lastCharacter(in.preBits));
  w.setBit("T1CON", "T1OSCEN", "1", " bit 3 Timer1 Oscillator Enable Control: bit 1=on");
  w.setBit("T1CON", "T1SYNC", "1",
           " bit 2 Timer1 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.setBit("T1CON", "TMR1CS", "0",
           pic18 ? " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                   "T13CKI (on the rising edge)"
                 : " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                   "T1CKI (on the rising edge)");
  w.setBit("T1CON", "TMR1ON", "1", " bit 0 enables timer");
  w.load("TMR1H", asmHex(in.hexH), " preset for timer1 MSB register");
  w.load("TMR1L", asmHex(in.hexL), " preset for timer1 LSB register");
  return w.text();
}

std::string timer2Asm(const ListingInput& in, const ListingSyntax& s, Family family) {
  const bool pic16 = family == Family::PIC16;
  const std::string on = timer2OnBit(in);
  Writer w(s);
  w.comment(" Timer2 Registers:");
  w.comment(" Prescaler=" + in.preText + "; TMR2 PostScaler=" + in.postText + "; PR2=" + in.regValText +
            " - Freq = " + in.hzCaption + in.hertzUnit + " - Period = " + in.periodCaption + " " + in.periodUnit);
  isrLines(w, in);
  // The bits for reference; the MOVLW/MOVWF pair below writes them all at once.
  w.commentedSetBit("T2CON", "TOUTPS3", characterAt(in.postBits, 1), " bits 6-3 Post scaler 1:1 thru 1:16");
  w.commentedSetBit("T2CON", "TOUTPS2", characterAt(in.postBits, 2));
  w.commentedSetBit("T2CON", "TOUTPS1", characterAt(in.postBits, 3));
  w.commentedSetBit("T2CON", "TOUTPS0", lastCharacter(in.postBits));
  w.commentedSetBit("T2CON", "TMR2ON", on, " Timer2 on bit: 1=Timer2 is on;");
  w.commentedSetBit("T2CON", "T2CKPS1", characterAt(in.preBits, 1), " bits 1-0  Prescaler Rate Select bits");
  w.commentedSetBit("T2CON", "T2CKPS0", lastCharacter(in.preBits));
  w.load("T2CON", "B'0" + in.postBits + on + in.preBits + "'");
  if (pic16) w.instruction("BANKSEL", "PR2");
  // The PIC16 comment of the other languages ends with a blank before the
  // note; an instruction line ends without one.
  const std::string note = pr2Note(in);
  w.load("PR2", asmDecimal(in.preload),
         " PR2 (Timer2 Match value)" + (pic16 && !note.empty() ? " " + note : note));
  if (pic16) w.instruction("BANKSEL", "T2CON");
  return w.text();
}

std::string pic18Timer0Asm(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.raw(s.CmtMark + " Timer0 Registers:");
  w.comment(" " + decimal((static_cast<long long>(in.timerMode) + 1) * 8) + "-Bit Mode; Prescaler=" + in.preText +
            "; TMRH Preset=" + in.hexH + "; TMRL Preset=" + in.hexL + "; Freq=" + in.hzCaption + in.hertzUnit +
            "; Period=" + in.periodCaption + " " + in.periodUnit);
  isrLines(w, in);
  w.setBit("T0CON", "TMR0ON", "1", " Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0");
  w.setBit("T0CON", "T08BIT", decimal(in.timerMode ^ 1),
           " Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit timer/counter");
  w.setBit("T0CON", "T0CS", "0",
           " TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.setBit("T0CON", "T0SE", "0", " TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.setBit("T0CON", "PSA", decimal(in.preOff),
           " Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT assigned/bypassed");
  w.setBit("T0CON", "T0PS2", characterAt(in.preBits, 1), " bits 2-0  PS2:PS0: Prescaler Select bits");
  w.setBit("T0CON", "T0PS1", characterAt(in.preBits, 2));
  w.setBit("T0CON", "T0PS0", lastCharacter(in.preBits));
  // TMR0H first: it is a buffer that the TMR0L write takes over.
  w.load("TMR0H", asmHex(in.hexH), " preset for Timer0 MSB register");
  w.load("TMR0L", asmHex(in.hexL),
         std::string(" preset for Timer0 LSB register") + (in.tmr0Adjust ? "(1 cycle adjusted)" : ""));
  return w.text();
}

std::string pic18Timer3Asm(const ListingInput& in, const ListingSyntax& s) {
  Writer w(s);
  w.comment(" Timer3 Registers:");
  summaryLine(w, in, "; TMR3 Preset=");
  isrLines(w, in);
  w.setBit("T3CON", "T3CKPS1", characterAt(in.preBits, 1), " bits 5-4  Prescaler Rate Select bits");
  w.setBit("T3CON", "T3CKPS0", lastCharacter(in.preBits));
  w.setBit("T3CON", "T3SYNC", "1",
           " bit 2 Timer3 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.setBit("T3CON", "TMR3CS", "0", " bit 1 Timer3 Clock Source Select bit:0=Internal clock (FOSC/4)");
  w.setBit("T3CON", "TMR3ON", "1", " bit 0 enables timer");
  w.load("TMR3H", asmHex(in.hexH), " preset for timer3 MSB register");
  w.load("TMR3L", asmHex(in.hexL), " preset for timer3 LSB register");
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
  if (syntax.language == ListingLanguage::Assembler) {
    if (family == Family::PIC16) {
      return {pic16Timer0Asm(in, syntax), timer1Asm(in, syntax, family), timer2Asm(in, syntax, family),
              kNotAvailable};
    }
    return {pic18Timer0Asm(in, syntax), timer1Asm(in, syntax, family), timer2Asm(in, syntax, family),
            pic18Timer3Asm(in, syntax)};
  }
  if (family == Family::PIC16) {
    return {pic16Timer0(in, syntax), timer1(in, syntax, family), timer2(in, syntax, family), kNotAvailable};
  }
  return {pic18Timer0(in, syntax), timer1(in, syntax, family), timer2(in, syntax, family), pic18Timer3(in, syntax)};
}

}  // namespace tickwell
