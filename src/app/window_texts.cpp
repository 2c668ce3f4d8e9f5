#include "app/window_texts.h"

#include <array>

namespace tickwell {

namespace {

constexpr std::string_view kUnitTip = "Click here for change measure unit";
constexpr std::string_view kLaterTip = "Should be available in Version 1.0";
constexpr std::string_view kNumbersTip = "Only valid numbers";

// clang-format off
constexpr std::array kTexts = std::to_array<ControlText>({
    {"opTmr(0)", "Timer0", ""}, {"opTmr(1)", "Timer1", ""}, {"opTmr(2)", "Timer2", ""},
    {"opTmr(3)", "Timer3", ""}, {"opTmr(4)", "Timer4", ""}, {"opTmr(5)", "Timer5", ""},
    {"opMode(0)", "8-Bit", ""}, {"opMode(1)", "16-Bit", ""},
    {"opFreq(0)", "100 kHz", ""}, {"opFreq(1)", "250 kHz", ""}, {"opFreq(2)", "500 kHz", ""},
    {"opFreq(3)", "1 MHz", ""}, {"opFreq(4)", "2 MHz", ""}, {"opFreq(5)", "4 MHz", ""},
    {"opFreq(6)", "8 MHz", ""}, {"opFreq(7)", "10 MHz", ""}, {"opFreq(8)", "12 MHz", ""},
    {"opFreq(9)", "16 MHz", ""}, {"opFreq(10)", "20 MHz", ""}, {"opFreq(11)", "24 MHz", ""},
    {"opFreq(12)", "32 MHz", ""}, {"opFreq(13)", "40 MHz", ""}, {"opFreq(14)", "48 MHz", ""},
    {"opFreq(15)", "Other", ""},
    {"opPIC16", "PIC16 Series", ""}, {"opPIC18", "PIC18 Series", ""},

    {"chkFosc", "Fosc/4:", "disable/enable Fosc/4"},
    {"chkTMR0", "TMR0 Adjust", ""},
    {"chkPR2", "PR2 Adjust", ""},
    {"chkUseScaler", "USE ACTUAL SCALER VALUES FOR SEARCH", ""},

    {"txtFreq", "", "Only numbers from 0 to 48000000"},
    {"txtSearchInt", "", kNumbersTip},
    {"txtSearchFreq", "", kNumbersTip},

    {"LabelCycle", "", kUnitTip}, {"LabelHz", "", kUnitTip}, {"LabelHz2", "", kUnitTip},
    {"lblAdjust", "VALUE ADJUSTED", ""},
    {"lblMin1", "min.", ""}, {"lblMax1", "max.", ""}, {"lblMin2", "min.", ""}, {"lblMax2", "max.", ""},
    {"lblNoteTMR0", "NOTE: Due the two cycle loss when TMR0 register is written, you can adjust here the register "
                    "value i.e. when used as period time counter.", ""},
    {"lblNotePR2", "NOTE: When Timer2 match PR2 then you loss 1 cycle for Timer2 reset. Add here 1 cycle for time "
                   "compensation.", ""},
    {"lblWDT", "WDT not available", ""},
    {"lblOff1", "OFF", ""}, {"lblOff2", "OFF", ""},
    {"lblOr", "<<-   OR   ->>", ""},
    {"lblISRMax", "max.32767", ""},
    {"lblCycleTxt", "Instruction Cycle", ""},
    {"lblFreqTxt", "Clock Frequency For TIMER", ""},
    {"lblClockFreqTxt", "Clock Frequency", ""},
    {"lblHexTxt", "HEX:", ""}, {"lblDecTxt", "DEC:", ""}, {"lblBinTxt", "BIN:", ""},
    {"lblTmrH", "TMRH", ""}, {"lblTmrL", "TMRL", ""},

    {"btnInterrupt", "", kUnitTip}, {"btnHertz", "", kUnitTip},
    {"btnSearchInt", "", kUnitTip}, {"btnSearchHertz", "", kUnitTip},
    {"cmdSearch", "SEARCH", ""},
    {"cmdSolutions", "ALL SOLUTIONS\u2026", "Every configuration of every timer for the wanted value, ranked by error"},
    {"cmdResetData", "Reset values", ""},
    {"cmdExit", "E&xit", ""},
    {"cmdSl1Max", "SET MAX", ""}, {"cmdSl1Min", "SET MIN", ""},
    {"cmdL", "<", ""}, {"cmdR", ">", ""},
    {"cmdBasic", "mikroBasic", kLaterTip}, {"cmdPascal", "mikroPascal", kLaterTip}, {"cmdC", "mikroC", kLaterTip},
    {"cmdPicbasic", "PicBasic", kLaterTip}, {"cmdAssembler", "Assembler", kLaterTip}, {"cmdXC8", "XC8", kLaterTip},
    {"cmdCrystalModes", "Crystal Modes", ""},
    {"cmdInfo", "&Info", ""},

    {"cbPre", "", "Select Prescaler"},
    {"cbPost", "", "Select Postscaler"},

    {"frSearch", "Search Interrupt/Frequency Configuration", ""},
    {"FrMinMax", "Search Limits", ""},
    {"FrLanguage", "Language", ""},
    {"frCode", "Source Code Example", kLaterTip},
    {"frFamily", "ATTENTION TO:", ""},
    {"frTimers", "Timers", ""},
    {"frMode", "Mode", "In PIC18 Series you can use the Timer0 in both modes"},
    {"frOsc", "Input OSC Frequencies", ""},
    {"frPrescaler", "Prescaler", ""},
    {"frPostscaler", "Postscaler", ""},
    {"frTimeout", "ISR Timeout (cycles)", ""},
    {"frOverhead", "ISR Overhead  (cycles)", ""},
    {"frResult", "Result", ""},
    {"frInterrupt", "Interrupt Period", ""},
    {"frHertz", "Interrupt Frequency", ""},
    {"frTmrPreload", "TMR Preload", ""},
    {"frValues", "Values", ""},
});
// clang-format on

}  // namespace

std::span<const ControlText> controlTexts() { return kTexts; }

std::string_view captionOf(std::string_view name) {
  for (const ControlText& t : kTexts)
    if (t.name == name) return t.caption;
  return {};
}

std::string preloadCaption(const TimerSpec& facts, int timer) {
  return (facts.countsToMatch() ? "PR" : "TMR") + std::to_string(timer) + (facts.countsToMatch() ? "" : " Preload");
}

std::string countCaption(const TimerSpec& facts, int timer) {
  return facts.countsToMatch() ? "Counts to TMR" + std::to_string(timer) + " Reset:" : "Cycles to interrupt:";
}

}  // namespace tickwell
