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
#include "listing/listing_writer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/utf8.h"

namespace tickwell {

namespace listing_detail {

Texts textsOf(const ListingRequest& r) {
  const TimerSettings& s = r.settings;
  const TimerSpec& facts = factsOf(s);
  const int preIndex = facts.prescalerIndex(s.prescale).value_or(0);
  const PreloadTexts preload = preloadTexts(s.preload);
  Texts t;
  t.prescaler = "1:" + plainNumber(s.prescale);
  t.postscaler = "1:" + plainNumber(s.postscale);
  t.postIndex = static_cast<int>(s.postscale) - 1;
  t.preloadText = integerText(s.preload);
  t.frequency = shownFrequency(r.result.frequencyHz, r.frequencyUnit) + std::string(caption(r.frequencyUnit));
  t.period = shownPeriod(r.result.periodNs, r.periodUnit) + " " + std::string(caption(r.periodUnit));
  t.timeout = plainNumber(s.timeout);
  t.overhead = r.shown.overhead.value_or(plainNumber(s.overhead));
  t.preBits = r.shown.prescalerBits.value_or(std::string(facts.prescalers[static_cast<std::size_t>(preIndex)].bits));
  t.postBits = r.shown.postscalerBits.value_or(std::string(postscalerBits(t.postIndex)));
  t.hexH = r.shown.presetHigh.value_or(preload.hexHigh);
  t.hexL = r.shown.presetLow.value_or(preload.hexLow);
  t.preOff = preIndex == 0;
  t.widthBit = s.width == Width::Bits16 ? 1 : 0;
  return t;
}

}  // namespace listing_detail

namespace {

using namespace listing_detail;

void isrLines(Writer& w, const Texts& t) {
  if (sortsAfterZero(t.timeout)) w.comment(" ISR Timeout cycles:" + t.timeout);
  if (sortsAfterZero(t.overhead)) w.comment(" ISR Overhead cycles:" + t.overhead);
}

void summaryLine(Writer& w, const Texts& t, std::string_view presetLabel) {
  std::string line = " Prescaler=" + t.prescaler;
  line += presetLabel;
  line += t.preloadText + "; Freq=" + t.frequency + "; Period=" + t.period;
  w.comment(line);
}

std::string timer2OnBit(const TimerSettings& s) { return s.preload != 0 ? "1" : "0"; }

// The width of the bit name literals, which aligns their operators.
constexpr std::size_t kOptionWidth = 16;  // "OPTION_REG.T0CS "
constexpr std::size_t kConWidth = 14;     // "T1CON.T1CKPS1 "
constexpr std::size_t kT0conWidth = 13;   // "T0CON.TMR0ON "

// The select bits of a bit text: the first, second and last character.
std::string firstBit(const std::string& bits) { return characterAt(bits, 1); }
std::string secondBit(const std::string& bits) { return characterAt(bits, 2); }

void pic16Timer0(Writer& w, const TimerSettings& s, const Texts& t) {
  const TimerRegisters& r = timerSpec(0).registersOn(Family::PIC16);
  w.comment(" Timer0 Registers: ");
  summaryLine(w, t, "; TMR0 Preset=");
  isrLines(w, t);
  w.bank(r.control);
  w.bit(r.control, r.clockSource, kOptionWidth, "0",
        " bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit(r.control, r.sourceEdge, kOptionWidth, "0", " bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit(r.control, r.assignment, kOptionWidth, decimal(t.preOff ? 1 : 0),
        " bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0");
  w.bit(r.control, r.prescalerBits[0], kOptionWidth, firstBit(t.preBits),
        " bits 2-0  PS2:PS0: Prescaler Rate Select bits");
  w.bit(r.control, r.prescalerBits[1], kOptionWidth, secondBit(t.preBits));
  w.bit(r.control, r.prescalerBits[2], kOptionWidth, lastCharacter(t.preBits));
  w.bank(r.count);
  w.decimalPreset(r.count, t.preloadText, 11, " preset for timer register", s.tmr0Adjust ? "(2 cycle adjusted)" : "");
}

void timer1(Writer& w, const Texts& t, Family family) {
  const bool pic18 = family == Family::PIC18;
  const TimerRegisters& r = timerSpec(1).registersOn(family);
  w.comment(pic18 ? " Timer1 Registers:" : " Timer1 Registers: ");
  summaryLine(w, t, "; TMR1 Preset=");
  isrLines(w, t);
  w.bit(r.control, r.prescalerBits[0], kConWidth, firstBit(t.preBits), " bits 5-4  Prescaler Rate Select bits");
  if (pic18) {
    w.bit(r.control, r.prescalerBits[1], kConWidth, lastCharacter(t.preBits), "");  // bare comment mark
  } else {
    w.bit(r.control, r.prescalerBits[1], kConWidth, lastCharacter(t.preBits));
  }
  w.bit(r.control, r.oscillatorEnable, kConWidth, "1", " bit 3 Timer1 Oscillator Enable Control: bit 1=on");
  w.bit(r.control, r.sync, kConWidth, "1",
        " bit 2 Timer1 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit(r.control, r.clockSource, kConWidth, "0",
        pic18 ? " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T13CKI (on the rising edge)"
              : " bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = External clock from pin "
                "T1CKI (on the rising edge)");
  w.bit(r.control, r.on, kConWidth, "1", " bit 0 enables timer");
  w.hexPreset(r.countHigh, t.hexH, 5, " preset for timer1 MSB register");
  w.hexPreset(r.count, t.hexL, 5, " preset for timer1 LSB register");
}

void timer2(Writer& w, const TimerSettings& s, const Texts& t, Family family) {
  const TimerRegisters& r = timerSpec(2).registersOn(family);
  const std::string on = timer2OnBit(s);
  w.comment(" Timer2 Registers:");
  w.comment(" Prescaler=" + t.prescaler + "; TMR2 PostScaler=" + t.postscaler + "; PR2=" + t.preloadText +
            " - Freq = " + t.frequency + " - Period = " + t.period);
  isrLines(w, t);
  // The single bits for reference; the whole-register line sets them all.
  // Assembler has no OR-value line, so its first postscaler bit takes over
  // that line's comment.
  const std::string orLiteral = std::string(r.control) + " |       ";
  w.commentedOrValue(orLiteral, postscalerValue(t.postIndex), " bits 6-3 Post scaler 1:1 thru 1:16");
  if (w.assembler()) {
    w.commentedBit(r.control, r.postscalerBits[0], kConWidth, firstBit(t.postBits),
                   " bits 6-3 Post scaler 1:1 thru 1:16");
  } else {
    w.commentedBit(r.control, r.postscalerBits[0], kConWidth, firstBit(t.postBits));
  }
  w.commentedBit(r.control, r.postscalerBits[1], kConWidth, secondBit(t.postBits));
  w.commentedBit(r.control, r.postscalerBits[2], kConWidth, characterAt(t.postBits, 3));
  w.commentedBit(r.control, r.postscalerBits[3], kConWidth, lastCharacter(t.postBits));
  w.commentedBit(r.control, r.on, kConWidth, on, " Timer2 on bit: 1=Timer2 is on;");
  w.commentedBit(r.control, r.prescalerBits[0], kConWidth, firstBit(t.preBits),
                 " bits 1-0  Prescaler Rate Select bits");
  w.commentedBit(r.control, r.prescalerBits[1], kConWidth, lastCharacter(t.preBits));
  w.wholeRegister(r.control, "0" + t.postBits + on + t.preBits);
  if (family == Family::PIC16) w.bank(r.count);
  w.decimalPreset(r.count, t.preloadText, 11,
                  family == Family::PIC18 ? " PR2 (Timer2 Match value)" : " PR2 (Timer2 Match value) ",
                  s.pr2Adjust ? "(1 cycle adjusted)" : "");
  if (family == Family::PIC16) w.bank(r.control);
}

void pic18Timer0(Writer& w, const TimerSettings& s, const Texts& t, ListingLanguage language) {
  const TimerRegisters& r = timerSpec(0).registersOn(Family::PIC18);
  // The heading has no line end of its own: it runs on into the summary.
  w.raw(std::string(syntaxOf(language).CmtMark) + " Timer0 Registers:");
  // Appended piece by piece: g++ 12 at -O3 warns falsely about a literal + string.
  std::string summary = " ";
  summary += decimal((static_cast<long long>(t.widthBit) + 1) * 8);
  summary += "-Bit Mode; Prescaler=" + t.prescaler + "; TMRH Preset=" + t.hexH + "; TMRL Preset=" + t.hexL +
             "; Freq=" + t.frequency + "; Period=" + t.period;
  w.comment(summary);
  isrLines(w, t);
  w.bit(r.control, r.on, kT0conWidth, "1", " Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0");
  w.bit(r.control, r.width8, kT0conWidth, decimal(t.widthBit ^ 1),
        " Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit timer/counter");
  w.bit(r.control, r.clockSource, kT0conWidth, "0",
        " TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / 1=Transition on T0CKI pin");
  w.bit(r.control, r.sourceEdge, kT0conWidth, "0", " TMR0 Source Edge Select bit: 0=low/high / 1=high/low");
  w.bit(r.control, r.assignment, kT0conWidth, decimal(t.preOff ? 1 : 0),
        " Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT assigned/bypassed");
  w.bit(r.control, r.prescalerBits[0], kT0conWidth, firstBit(t.preBits), " bits 2-0  PS2:PS0: Prescaler Select bits");
  w.bit(r.control, r.prescalerBits[1], kT0conWidth, secondBit(t.preBits));
  w.bit(r.control, r.prescalerBits[2], kT0conWidth, lastCharacter(t.preBits));
  // TMR0H first: it is a buffer that the TMR0L write takes over.
  w.hexPreset(r.countHigh, t.hexH, 4, " preset for Timer0 MSB register");
  w.hexPreset(r.count, t.hexL, 4, " preset for Timer0 LSB register", s.tmr0Adjust ? "(1 cycle adjusted)" : "");
}

void pic18Timer3(Writer& w, const Texts& t) {
  const TimerRegisters& r = timerSpec(3).registersOn(Family::PIC18);
  w.comment(" Timer3 Registers:");
  summaryLine(w, t, "; TMR3 Preset=");
  isrLines(w, t);
  w.bit(r.control, r.prescalerBits[0], kConWidth, firstBit(t.preBits), " bits 5-4  Prescaler Rate Select bits");
  w.bit(r.control, r.prescalerBits[1], kConWidth, lastCharacter(t.preBits), "");  // bare comment mark
  w.bit(r.control, r.sync, kConWidth, "1",
        " bit 2 Timer3 External Clock Input Synchronization Control bit: 1=Do not synchronize external clock input");
  w.bit(r.control, r.clockSource, kConWidth, "0", " bit 1 Timer3 Clock Source Select bit:0=Internal clock (FOSC/4)");
  w.bit(r.control, r.on, kConWidth, "1", " bit 0 enables timer");
  w.hexPreset(r.countHigh, t.hexH, 7, " preset for timer3 MSB register");
  w.hexPreset(r.count, t.hexL, 5, " preset for timer3 LSB register");
}

}  // namespace

const ListingSyntax& syntaxOf(ListingLanguage language) {
  // Assembler has no assignment operator and no statement end: a value goes
  // through W and the line end closes an instruction. B'...' and H'...' close
  // with a quote of their own.
  static constexpr std::array<ListingSyntax, kListingLanguageCount> kSyntax{{
      {"'", "=", "%", "$", " "},
      {"//", "=", "0b", "0x", ";"},
      {"//", ":=", "%", "$", ";"},
      {"//", "=", "0b", "0x", ";"},
      {";", "", "B'", "H'", ""},
  }};
  return kSyntax[static_cast<std::size_t>(language)];
}

std::string listing(const ListingRequest& request, int timer) {
  const Family family = request.settings.family;
  if (family == Family::PIC16 && timer == 3) return kNotAvailable;
  const Texts t = textsOf(request);
  Writer w(request.language, request.lineEnd);
  switch (timer) {
    case 0:
      if (family == Family::PIC16)
        pic16Timer0(w, request.settings, t);
      else
        pic18Timer0(w, request.settings, t, request.language);
      break;
    case 1: timer1(w, t, family); break;
    case 2: timer2(w, request.settings, t, family); break;
    default: pic18Timer3(w, t); break;
  }
  return w.text();
}

}  // namespace tickwell
