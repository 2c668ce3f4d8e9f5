// Register listings, checked byte for byte: users paste them into firmware.
#include "listing/listing.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace tickwell {
namespace {

const ListingSyntax kBasic{"'", "=", "%", "$", " "};
const ListingSyntax kC{"//", "=", "0b", "0x", ";"};
const ListingSyntax kPascal{"//", ":=", "%", "$", ";"};
const ListingSyntax kXC8 = syntaxForLanguage(3, {});
const ListingSyntax kAsm = syntaxForLanguage(4, {});

// A Timer2-like input set; each test changes what it looks at.
ListingInput baseInput() {
  // clang-format off
  return {.preText = "1:8", .postText = "1:16", .postIndex = 15, .regValText = "100", .hzCaption = "2",
          .hertzUnit = "Hz", .periodCaption = "500", .periodUnit = "ms", .timeoutText = "0", .overheadText = "0",
          .preBits = "10", .postBits = "1111", .preload = 100, .hexH = "B", .hexL = "DC", .preOff = 0};
  // clang-format on
}

// Whether `line` (with its line end) is a whole line of `text`.
bool hasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line) != std::string::npos;
}

TEST(ListingWorkedExample, MikroCPic16Timer0WithAdjustment) {
  // clang-format off
  const ListingInput in{.preText = "1:256", .postText = "", .regValText = "61", .hzCaption = "20.03",
                        .hertzUnit = "Hz", .periodCaption = "49.92", .periodUnit = "ms", .timeoutText = "0",
                        .overheadText = "0", .preBits = "111", .postBits = "", .preload = 61, .hexH = "", .hexL = "",
                        .tmr0Adjust = true, .preOff = 0};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC16, in, kC)[0],
            "// Timer0 Registers: \r\n"
            "// Prescaler=1:256; TMR0 Preset=61; Freq=20.03Hz; Period=49.92 ms\r\n"
            "OPTION_REG.T0CS = 0;// bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / 1=Transition on "
            "T0CKI pin\r\n"
            "OPTION_REG.T0SE = 0;// bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low\r\n"
            "OPTION_REG.PSA  = 0;// bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0\r\n"
            "OPTION_REG.PS2  = 1;// bits 2-0  PS2:PS0: Prescaler Rate Select bits\r\n"
            "OPTION_REG.PS1  = 1;\r\n"
            "OPTION_REG.PS0  = 1;\r\n"
            "TMR0 = 61;           // preset for timer register(2 cycle adjusted)\r\n");
}

TEST(ListingWorkedExample, MikroBasicPic16Timer2WithTimeoutAndPr2Adjustment) {
  // clang-format off
  const ListingInput in{.preText = "1:4", .postText = "1:10", .postIndex = 9, .regValText = "249",
                        .hzCaption = "100", .hertzUnit = "Hz", .periodCaption = "10", .periodUnit = "ms",
                        .timeoutText = "12", .overheadText = "0", .preBits = "01", .postBits = "1001",
                        .preload = 249, .hexH = "", .hexL = "", .pr2Adjust = true};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC16, in, kBasic)[2],
            "' Timer2 Registers:\r\n"
            "' Prescaler=1:4; TMR2 PostScaler=1:10; PR2=249 - Freq = 100Hz - Period = 10 ms\r\n"
            "' ISR Timeout cycles:12\r\n"
            "'T2CON |       = 72 ' bits 6-3 Post scaler 1:1 thru 1:16\r\n"
            "'T2CON.TOUTPS3 = 1 \r\n"
            "'T2CON.TOUTPS2 = 0 \r\n"
            "'T2CON.TOUTPS1 = 0 \r\n"
            "'T2CON.TOUTPS0 = 1 \r\n"
            "'T2CON.TMR2ON  = 1 ' Timer2 on bit: 1=Timer2 is on;\r\n"
            "'T2CON.T2CKPS1 = 0 ' bits 1-0  Prescaler Rate Select bits\r\n"
            "'T2CON.T2CKPS0 = 1 \r\n"
            "T2CON = %01001101 \r\n"
            "PR2 = 249            ' PR2 (Timer2 Match value) (1 cycle adjusted)\r\n");
}

TEST(ListingWorkedExample, MikroCPic18Timer0SixteenBit) {
  // clang-format off
  const ListingInput in{.preText = "1:8", .postText = "", .regValText = "", .hzCaption = "2", .hertzUnit = "Hz",
                        .periodCaption = "500", .periodUnit = "ms", .timeoutText = "0", .overheadText = "0",
                        .preBits = "010", .postBits = "", .hexH = "B", .hexL = "DC", .preOff = 0, .timerMode = 1};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC18, in, kC)[0],
            "// Timer0 Registers:// 16-Bit Mode; Prescaler=1:8; TMRH Preset=B; TMRL Preset=DC; Freq=2Hz; "
            "Period=500 ms\r\n"
            "T0CON.TMR0ON = 1;// Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0\r\n"
            "T0CON.T08BIT = 0;// Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit timer/counter\r\n"
            "T0CON.T0CS   = 0;// TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / 1=Transition on T0CKI "
            "pin\r\n"
            "T0CON.T0SE   = 0;// TMR0 Source Edge Select bit: 0=low/high / 1=high/low\r\n"
            "T0CON.PSA    = 0;// Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT assigned/bypassed\r\n"
            "T0CON.T0PS2  = 0;// bits 2-0  PS2:PS0: Prescaler Select bits\r\n"
            "T0CON.T0PS1  = 1;\r\n"
            "T0CON.T0PS0  = 0;\r\n"
            "TMR0H = 0xB;    // preset for Timer0 MSB register\r\n"
            "TMR0L = 0xDC;    // preset for Timer0 LSB register\r\n");
}

TEST(ListingWorkedExample, AssemblerPic16Timer0WithAdjustment) {
  // clang-format off
  const ListingInput in{.preText = "1:256", .postText = "", .regValText = "61", .hzCaption = "20.03",
                        .hertzUnit = "Hz", .periodCaption = "49.92", .periodUnit = "ms", .timeoutText = "3",
                        .overheadText = "0", .preBits = "110", .postBits = "", .preload = 61, .hexH = "", .hexL = "",
                        .tmr0Adjust = true, .preOff = 0};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC16, in, kAsm)[0],
            "; Timer0 Registers: \r\n"
            "; Prescaler=1:256; TMR0 Preset=61; Freq=20.03Hz; Period=49.92 ms\r\n"
            "; ISR Timeout cycles:3\r\n"
            "        BANKSEL OPTION_REG\r\n"
            "        BCF     OPTION_REG,T0CS     ; bit 5 TMR0 Clock Source Select bit:0=Internal Clock (CLKO) / "
            "1=Transition on T0CKI pin\r\n"
            "        BCF     OPTION_REG,T0SE     ; bit 4 TMR0 Source Edge Select bit: 0=low/high / 1=high/low\r\n"
            "        BCF     OPTION_REG,PSA      ; bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the "
            "Timer0\r\n"
            "        BSF     OPTION_REG,PS2      ; bits 2-0  PS2:PS0: Prescaler Rate Select bits\r\n"
            "        BSF     OPTION_REG,PS1\r\n"
            "        BCF     OPTION_REG,PS0\r\n"
            "        BANKSEL TMR0\r\n"
            "        MOVLW   D'61'               ; preset for timer register(2 cycle adjusted)\r\n"
            "        MOVWF   TMR0\r\n");
}

TEST(ListingWorkedExample, AssemblerPic16Timer2) {
  // clang-format off
  const ListingInput in{.preText = "1:4", .postText = "1:10", .postIndex = 9, .regValText = "249",
                        .hzCaption = "100", .hertzUnit = "Hz", .periodCaption = "10", .periodUnit = "ms",
                        .timeoutText = "0", .overheadText = "0", .preBits = "01", .postBits = "1001",
                        .preload = 249, .hexH = "", .hexL = "", .pr2Adjust = true};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC16, in, kAsm)[2],
            "; Timer2 Registers:\r\n"
            "; Prescaler=1:4; TMR2 PostScaler=1:10; PR2=249 - Freq = 100Hz - Period = 10 ms\r\n"
            ";        BSF     T2CON,TOUTPS3       ; bits 6-3 Post scaler 1:1 thru 1:16\r\n"
            ";        BCF     T2CON,TOUTPS2\r\n"
            ";        BCF     T2CON,TOUTPS1\r\n"
            ";        BSF     T2CON,TOUTPS0\r\n"
            ";        BSF     T2CON,TMR2ON        ; Timer2 on bit: 1=Timer2 is on;\r\n"
            ";        BCF     T2CON,T2CKPS1       ; bits 1-0  Prescaler Rate Select bits\r\n"
            ";        BSF     T2CON,T2CKPS0\r\n"
            "        MOVLW   B'01001101'\r\n"
            "        MOVWF   T2CON\r\n"
            "        BANKSEL PR2\r\n"
            "        MOVLW   D'249'              ; PR2 (Timer2 Match value) (1 cycle adjusted)\r\n"
            "        MOVWF   PR2\r\n"
            "        BANKSEL T2CON\r\n");
}

TEST(ListingWorkedExample, AssemblerPic18Timer0SixteenBit) {
  // clang-format off
  const ListingInput in{.preText = "1:8", .postText = "", .regValText = "", .hzCaption = "2", .hertzUnit = "Hz",
                        .periodCaption = "500", .periodUnit = "ms", .timeoutText = "0", .overheadText = "0",
                        .preBits = "010", .postBits = "", .hexH = "B", .hexL = "DC", .tmr0Adjust = true,
                        .preOff = 0, .timerMode = 1};
  // clang-format on
  EXPECT_EQ(buildListings(Family::PIC18, in, kAsm)[0],
            "; Timer0 Registers:; 16-Bit Mode; Prescaler=1:8; TMRH Preset=B; TMRL Preset=DC; Freq=2Hz; "
            "Period=500 ms\r\n"
            "        BSF     T0CON,TMR0ON        ; Timer0 On/Off Control bit:1=Enables Timer0 / 0=Stops Timer0\r\n"
            "        BCF     T0CON,T08BIT        ; Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / "
            "0=16-bit timer/counter\r\n"
            "        BCF     T0CON,T0CS          ; TMR0 Clock Source Select bit: 0=Internal Clock (CLKO) / "
            "1=Transition on T0CKI pin\r\n"
            "        BCF     T0CON,T0SE          ; TMR0 Source Edge Select bit: 0=low/high / 1=high/low\r\n"
            "        BCF     T0CON,PSA           ; Prescaler Assignment bit: 0=Prescaler is assigned; 1=NOT "
            "assigned/bypassed\r\n"
            "        BCF     T0CON,T0PS2         ; bits 2-0  PS2:PS0: Prescaler Select bits\r\n"
            "        BSF     T0CON,T0PS1\r\n"
            "        BCF     T0CON,T0PS0\r\n"
            "        MOVLW   H'B'                ; preset for Timer0 MSB register\r\n"
            "        MOVWF   TMR0H\r\n"
            "        MOVLW   H'DC'               ; preset for Timer0 LSB register(1 cycle adjusted)\r\n"
            "        MOVWF   TMR0L\r\n");
}

struct LineCase {
  const char* name;
  Family family;
  ListingSyntax syntax;
  int timer;
  std::function<void(ListingInput&)> change;
  std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ListingLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ListingLine, IsWritten) {
  const LineCase& c = GetParam();
  ListingInput in = baseInput();
  if (c.change) c.change(in);
  const std::string text = buildListings(c.family, in, c.syntax)[static_cast<std::size_t>(c.timer)];
  EXPECT_TRUE(hasLine(text, c.line)) << "missing line:\n" << c.line << "in:\n" << text;
}

const auto adjust = [](ListingInput& in) { in.tmr0Adjust = in.pr2Adjust = true; };
const auto shortBits = [](ListingInput& in) {
  in.preBits = "1";
  in.postBits = "10";
};

INSTANTIATE_TEST_SUITE_P(
    Languages, ListingLine,
    ::testing::Values(
        LineCase{"P16T0BasicPs2", Family::PIC16, kBasic, 0, nullptr,
                 "OPTION_REG.PS2  = 1 ' bits 2-0  PS2:PS0: Prescaler Rate Select bits\r\n"},
        // A bit text is taken in characters: a two-byte one stays whole.
        LineCase{"P16T0BasicWideCharacter", Family::PIC16, kBasic, 0, [](ListingInput& in) { in.preBits = "\xC2\xB5" "01"; },
                 "OPTION_REG.PS2  = \xC2\xB5 ' bits 2-0  PS2:PS0: Prescaler Rate Select bits\r\n"},
        LineCase{"P16T0BasicAdjusted", Family::PIC16, kBasic, 0, adjust,
                 "TMR0 = 100            ' preset for timer register(2 cycle adjusted)\r\n"},
        LineCase{"P16T0PascalUnadjusted", Family::PIC16, kPascal, 0, nullptr,
                 "TMR0 := 100;           // preset for timer register\r\n"},
        LineCase{"P16T0NegativePreload", Family::PIC16, kC, 0, [](ListingInput& in) { in.preload = -5; },
                 "TMR0 = -5;           // preset for timer register\r\n"},
        LineCase{"P16T0PsaOff", Family::PIC16, kC, 0, [](ListingInput& in) { in.preOff = 1; },
                 "OPTION_REG.PSA  = 1;// bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to the Timer0\r\n"},
        LineCase{"P16T1BasicHigh", Family::PIC16, kBasic, 1, nullptr,
                 "TMR1H = $B      ' preset for timer1 MSB register\r\n"},
        LineCase{"P16T1CHeading", Family::PIC16, kC, 1, nullptr, "// Timer1 Registers: \r\n"},
        LineCase{"P16T1CPrescalerBit0", Family::PIC16, kC, 1, nullptr, "T1CON.T1CKPS0 = 0;\r\n"},
        LineCase{"P16T1PascalSummary", Family::PIC16, kPascal, 1, nullptr,
                 "// Prescaler=1:8; TMR1 Preset=100; Freq=2Hz; Period=500 ms\r\n"},
        LineCase{"P16T1PascalClock", Family::PIC16, kPascal, 1, nullptr,
                 "T1CON.TMR1CS  := 0;// bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = "
                 "External clock from pin T1CKI (on the rising edge)\r\n"},
        LineCase{"P16T2CWholeRegister", Family::PIC16, kC, 2, nullptr, "T2CON = 0b01111110;\r\n"},
        LineCase{"P16T2PascalPr2", Family::PIC16, kPascal, 2, nullptr,
                 "PR2 := 100;           // PR2 (Timer2 Match value) \r\n"},
        LineCase{"P16T2PascalShortPost", Family::PIC16, kPascal, 2, shortBits, "//T2CON.TOUTPS1 := ;\r\n"},
        LineCase{"P16T2PascalShortPostLast", Family::PIC16, kPascal, 2, shortBits, "//T2CON.TOUTPS0 := 0;\r\n"},
        LineCase{"P16T0CShortPre", Family::PIC16, kC, 0, shortBits, "OPTION_REG.PS1  = ;\r\n"},
        LineCase{"P16T0CShortPreLast", Family::PIC16, kC, 0, shortBits, "OPTION_REG.PS0  = 1;\r\n"},
        LineCase{"P16T0CEmptyPre", Family::PIC16, kC, 0, [](ListingInput& in) { in.preBits.clear(); },
                 "OPTION_REG.PS2  = ;// bits 2-0  PS2:PS0: Prescaler Rate Select bits\r\n"},
        LineCase{"P18T0BasicHeading", Family::PIC18, kBasic, 0, nullptr,
                 "' Timer0 Registers:' 8-Bit Mode; Prescaler=1:8; TMRH Preset=B; TMRL Preset=DC; Freq=2Hz; "
                 "Period=500 ms\r\n"},
        LineCase{"P18T0Basic8Bit", Family::PIC18, kBasic, 0, nullptr,
                 "T0CON.T08BIT = 1 ' Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit "
                 "timer/counter\r\n"},
        LineCase{"P18T0PascalAdjustedLow", Family::PIC18, kPascal, 0, adjust,
                 "TMR0L := $DC;    // preset for Timer0 LSB register(1 cycle adjusted)\r\n"},
        LineCase{"P18T0PascalHighHasNoNote", Family::PIC18, kPascal, 0, adjust,
                 "TMR0H := $B;    // preset for Timer0 MSB register\r\n"},
        LineCase{"P18T1BasicBareMark", Family::PIC18, kBasic, 1, nullptr, "T1CON.T1CKPS0 = 0 '\r\n"},
        LineCase{"P18T1CBareMark", Family::PIC18, kC, 1, nullptr, "T1CON.T1CKPS0 = 0;//\r\n"},
        LineCase{"P18T1CClock", Family::PIC18, kC, 1, nullptr,
                 "T1CON.TMR1CS  = 0;// bit 1 Timer1 Clock Source Select bit: 0=Internal clock (FOSC/4) / 1 = "
                 "External clock from pin T13CKI (on the rising edge)\r\n"},
        LineCase{"P18T1PascalHeading", Family::PIC18, kPascal, 1, nullptr, "// Timer1 Registers:\r\n"},
        LineCase{"P18T2BasicAdjustedPr2", Family::PIC18, kBasic, 2, adjust,
                 "PR2 = 100            ' PR2 (Timer2 Match value)(1 cycle adjusted)\r\n"},
        LineCase{"P18T2PascalPr2", Family::PIC18, kPascal, 2, nullptr,
                 "PR2 := 100;           // PR2 (Timer2 Match value)\r\n"},
        LineCase{"P18T3BasicBareMark", Family::PIC18, kBasic, 3, nullptr, "T3CON.T3CKPS0 = 0 '\r\n"},
        LineCase{"P18T3CBareMark", Family::PIC18, kC, 3, nullptr, "T3CON.T3CKPS0 = 0;//\r\n"},
        LineCase{"P18T3CSummary", Family::PIC18, kC, 3, nullptr,
                 "// Prescaler=1:8; TMR3 Preset=100; Freq=2Hz; Period=500 ms\r\n"},
        LineCase{"P18T3PascalHigh", Family::PIC18, kPascal, 3, nullptr,
                 "TMR3H := $B;       // preset for timer3 MSB register\r\n"},
        LineCase{"P18T3PascalLow", Family::PIC18, kPascal, 3, nullptr,
                 "TMR3L := $DC;     // preset for timer3 LSB register\r\n"},
        LineCase{"P16T2Pr2ZeroCommentedOnBit", Family::PIC16, kC, 2, [](ListingInput& in) { in.preload = 0; },
                 "//T2CON.TMR2ON  = 0;// Timer2 on bit: 1=Timer2 is on;\r\n"},
        LineCase{"P16T2Pr2ZeroRegister", Family::PIC16, kC, 2, [](ListingInput& in) { in.preload = 0; },
                 "T2CON = 0b01111010;\r\n"},
        LineCase{"P16T2PostscalerIndex0", Family::PIC16, kBasic, 2, [](ListingInput& in) { in.postIndex = 0; },
                 "'T2CON |       = 0 ' bits 6-3 Post scaler 1:1 thru 1:16\r\n"},
        LineCase{"P16T2PostscalerIndex15", Family::PIC16, kBasic, 2, nullptr,
                 "'T2CON |       = 120 ' bits 6-3 Post scaler 1:1 thru 1:16\r\n"},
        LineCase{"P18T2PostscalerNoSelection", Family::PIC18, kC, 2, [](ListingInput& in) { in.postIndex = -1; },
                 "//T2CON |       = -8;// bits 6-3 Post scaler 1:1 thru 1:16\r\n"},
        LineCase{"XC8P16T1Sync", Family::PIC16, kXC8, 1, nullptr,
                 "T1CONbits.T1SYNC  = 1;// bit 2 Timer1 External Clock Input Synchronization Control bit: 1=Do not "
                 "synchronize external clock input\r\n"},
        LineCase{"XC8P16T1High", Family::PIC16, kXC8, 1, nullptr,
                 "TMR1H = 0xB;     // preset for timer1 MSB register\r\n"},
        LineCase{"XC8P16T2PostscalerLineKeepsItsName", Family::PIC16, kXC8, 2, nullptr,
                 "//T2CON |       = 120;// bits 6-3 Post scaler 1:1 thru 1:16\r\n"},
        LineCase{"XC8P16T2CommentedBit", Family::PIC16, kXC8, 2, nullptr, "//T2CONbits.TOUTPS3 = 1;\r\n"},
        LineCase{"XC8P16T2WholeRegister", Family::PIC16, kXC8, 2, nullptr, "T2CON = 0b01111110;\r\n"},
        LineCase{"XC8P18T0Width", Family::PIC18, kXC8, 0, nullptr,
                 "T0CONbits.T08BIT = 1;// Timer0 8-bit/16-bit Control bit: 1=8-bit timer/counter / 0=16-bit "
                 "timer/counter\r\n"},
        LineCase{"XC8P18T3Low", Family::PIC18, kXC8, 3, nullptr,
                 "TMR3L = 0xDC;     // preset for timer3 LSB register\r\n"},
        LineCase{"AsmP16T0PsaOff", Family::PIC16, kAsm, 0, [](ListingInput& in) { in.preOff = 1; },
                 "        BSF     OPTION_REG,PSA      ; bit 3 Prescaler Assignment bit: 0=Prescaler is assigned to "
                 "the Timer0\r\n"},
        LineCase{"AsmP16T0NegativePreload", Family::PIC16, kAsm, 0, [](ListingInput& in) { in.preload = -5; },
                 "        MOVLW   D'-5'               ; preset for timer register\r\n"},
        LineCase{"AsmP16T0EmptyBitClears", Family::PIC16, kAsm, 0, shortBits, "        BCF     OPTION_REG,PS1\r\n"},
        LineCase{"AsmP16T1Heading", Family::PIC16, kAsm, 1, nullptr, "; Timer1 Registers: \r\n"},
        LineCase{"AsmP16T1NoBankSwitch", Family::PIC16, kAsm, 1, nullptr,
                 "        BSF     T1CON,T1OSCEN       ; bit 3 Timer1 Oscillator Enable Control: bit 1=on\r\n"},
        LineCase{"AsmP16T1PresetLow", Family::PIC16, kAsm, 1, nullptr,
                 "        MOVLW   H'DC'               ; preset for timer1 LSB register\r\n"},
        LineCase{"AsmP16T1PresetLowStore", Family::PIC16, kAsm, 1, nullptr, "        MOVWF   TMR1L\r\n"},
        LineCase{"AsmP16T2Pr2ZeroOffBit", Family::PIC16, kAsm, 2, [](ListingInput& in) { in.preload = 0; },
                 ";        BCF     T2CON,TMR2ON        ; Timer2 on bit: 1=Timer2 is on;\r\n"},
        LineCase{"AsmP16T2Pr2ZeroRegister", Family::PIC16, kAsm, 2, [](ListingInput& in) { in.preload = 0; },
                 "        MOVLW   B'01111010'\r\n"},
        LineCase{"AsmP16T2Isr", Family::PIC16, kAsm, 2, [](ListingInput& in) { in.overheadText = "12"; },
                 "; ISR Overhead cycles:12\r\n"},
        LineCase{"AsmP18T1BareMarkDropped", Family::PIC18, kAsm, 1, nullptr, "        BCF     T1CON,T1CKPS0\r\n"},
        LineCase{"AsmP18T1Clock", Family::PIC18, kAsm, 1, nullptr,
                 "        BCF     T1CON,TMR1CS        ; bit 1 Timer1 Clock Source Select bit: 0=Internal clock "
                 "(FOSC/4) / 1 = External clock from pin T13CKI (on the rising edge)\r\n"},
        LineCase{"AsmP18T2Pr2NoBankSwitch", Family::PIC18, kAsm, 2, adjust,
                 "        MOVLW   D'100'              ; PR2 (Timer2 Match value)(1 cycle adjusted)\r\n"},
        LineCase{"AsmP18T3Sync", Family::PIC18, kAsm, 3, nullptr,
                 "        BSF     T3CON,T3SYNC        ; bit 2 Timer3 External Clock Input Synchronization Control "
                 "bit: 1=Do not synchronize external clock input\r\n"},
        LineCase{"AsmP18T3High", Family::PIC18, kAsm, 3, nullptr, "        MOVWF   TMR3H\r\n"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

struct IsrCase {
  const char* name;
  const char* text;
  bool written;
};

void PrintTo(const IsrCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ListingIsrLine : public ::testing::TestWithParam<IsrCase> {};

TEST_P(ListingIsrLine, WrittenOnlyWhenTextSortsAfterZero) {
  const IsrCase& c = GetParam();
  ListingInput in = baseInput();
  in.timeoutText = c.text;
  in.overheadText = c.text;
  for (Family family : {Family::PIC16, Family::PIC18}) {
    const auto listings = buildListings(family, in, kBasic);
    for (int t = 0; t < (family == Family::PIC16 ? 3 : 4); ++t) {
      const std::string& text = listings[static_cast<std::size_t>(t)];
      EXPECT_EQ(hasLine(text, std::string("' ISR Timeout cycles:") + c.text + "\r\n"), c.written) << t;
      EXPECT_EQ(hasLine(text, std::string("' ISR Overhead cycles:") + c.text + "\r\n"), c.written) << t;
      EXPECT_EQ(text.find("ISR") != std::string::npos, c.written) << t;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ListingIsrLine,
                         ::testing::Values(IsrCase{"Empty", "", false}, IsrCase{"Zero", "0", false},
                                           IsrCase{"DoubleZero", "00", true}, IsrCase{"Five", "5", true},
                                           IsrCase{"Twelve", "12", true}, IsrCase{"Blank", " 5", false}),
                         [](const ::testing::TestParamInfo<IsrCase>& info) { return std::string(info.param.name); });

TEST(Listing, EveryLineEndsWithCrLf) {
  ListingInput in = baseInput();
  in.timeoutText = "7";
  in.overheadText = "3";
  for (const ListingSyntax& syntax : {kBasic, kC, kPascal, kXC8, kAsm}) {
    for (Family family : {Family::PIC16, Family::PIC18}) {
      const auto listings = buildListings(family, in, syntax);
      for (std::size_t t = 0; t < (family == Family::PIC16 ? 3U : 4U); ++t) {
        const std::string& text = listings[t];
        ASSERT_GE(text.size(), 2U);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << t;
        for (std::size_t i = 0; i < text.size(); ++i) {
          if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << t << " at " << i;
          }
          if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << t << " at " << i;
          }
        }
      }
    }
  }
}

TEST(Listing, Pic16HasNoTimer3) {
  for (const ListingSyntax& syntax : {kBasic, kC, kPascal, kXC8, kAsm}) {
    EXPECT_EQ(buildListings(Family::PIC16, baseInput(), syntax)[3], "NOT AVAILABLE");
  }
}

// XC8 writes the mikroC lines; only a register bit is reached through the
// register's ...bits structure.
TEST(Listing, XC8IsMikroCWithBitStructures) {
  for (Family family : {Family::PIC16, Family::PIC18}) {
    const auto c = buildListings(family, baseInput(), kC);
    const auto xc8 = buildListings(family, baseInput(), kXC8);
    for (std::size_t t = 0; t < 4; ++t) {
      std::string renamed = c[t];
      for (std::size_t at = 0; (at = renamed.find("CON.", at)) != std::string::npos; at += 8)
        renamed.replace(at, 4, "CONbits.");
      for (std::size_t at = 0; (at = renamed.find("OPTION_REG.", at)) != std::string::npos; at += 15)
        renamed.replace(at, 11, "OPTION_REGbits.");
      EXPECT_EQ(xc8[t], renamed) << t;
    }
  }
}

// An assembler statement sits in the instruction columns: never in column 1,
// where MPASM reads a label, and a comment, where there is one, from column 37.
TEST(Listing, AssemblerStatementsKeepTheirColumns) {
  ListingInput in = baseInput();
  in.timeoutText = "7";
  for (Family family : {Family::PIC16, Family::PIC18}) {
    const auto listings = buildListings(family, in, kAsm);
    for (std::size_t t = 0; t < (family == Family::PIC16 ? 3U : 4U); ++t) {
      std::size_t start = 0;
      for (std::size_t end; (end = listings[t].find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = listings[t].substr(start, end - start);
        if (line.starts_with(";")) continue;
        EXPECT_TRUE(line.starts_with("        ")) << line;
        EXPECT_NE(line[8], ' ') << line;
        const std::size_t mark = line.find(';');
        if (mark != std::string::npos) {
          EXPECT_EQ(mark, 36U) << line;
        }
        EXPECT_NE(line.back(), ' ') << line;
      }
    }
  }
}

TEST(ListingSyntaxChoice, EachEntryAndNoSelection) {
  const ListingSyntax xc8{"//", "=", "0b", "0x", ";", ListingLanguage::XC8};
  const ListingSyntax assembler{";", "", "B'", "H'", "", ListingLanguage::Assembler};
  const ListingSyntax c{"//", "=", "0b", "0x", ";", ListingLanguage::MikroC};
  const ListingSyntax pascal{"//", ":=", "%", "$", ";", ListingLanguage::MicroPascal};
  EXPECT_EQ(syntaxForLanguage(0, kC), kBasic);
  EXPECT_EQ(syntaxForLanguage(1, kBasic), c);
  EXPECT_EQ(syntaxForLanguage(2, kBasic), pascal);
  EXPECT_EQ(syntaxForLanguage(3, kBasic), xc8);
  EXPECT_EQ(syntaxForLanguage(4, kBasic), assembler);
  EXPECT_EQ(syntaxForLanguage(-1, pascal), pascal);
  EXPECT_EQ(syntaxForLanguage(5, assembler), assembler);
  EXPECT_EQ(ListingSyntax{}, kBasic);
  ASSERT_EQ(kListingLanguages.size(), 5U);
  EXPECT_STREQ(kListingLanguages[3], "XC8");
  EXPECT_STREQ(kListingLanguages[4], "Assembler");
}

TEST(ListingSyntaxChoice, SwitchingBackGivesTheSameListings) {
  const ListingSyntax before = syntaxForLanguage(0, ListingSyntax{});
  const ListingSyntax after = syntaxForLanguage(-1, syntaxForLanguage(0, syntaxForLanguage(1, before)));
  EXPECT_EQ(after, before);
  EXPECT_EQ(buildListings(Family::PIC18, baseInput(), after), buildListings(Family::PIC18, baseInput(), before));
}

}  // namespace
}  // namespace tickwell
