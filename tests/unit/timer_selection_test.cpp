// What a timer keeps while another is shown, and what selecting a timer
// resets: every kept input gets a value of its own, so that a swapped or lost
// field shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../support/invariants.h"

namespace tickwell {
namespace {

using checks::Window;

struct Kept {
  int width;  // opMode index
  int prescaler;
  int postscaler;
  const char* timeout;
  const char* overhead;
  int adjust;  // chkTMR0 on Timer0, chkPR2 on Timer2
  int preload;
};

Kept shown(Calculator& c, int timer) {
  return {c.opMode.selected(), c.cbPre.index(), c.cbPost.index(), c.txtTimeout.text().c_str(),
          c.txtOverhead.text().c_str(), timer == 0 ? c.chkTMR0.value() : timer == 2 ? c.chkPR2.value() : 0,
          c.sl1.value()};
}

TEST(TimerSelectionTest, EachTimerGetsBackWhatItKept) {
  // Inputs typed in this order; the preload last (the adjustment boxes move it).
  const struct { const char* name; int timer; Kept in; } rows[] = {
      {"timer0 16-bit", 0, {1, 3, -1, "5", "7", 0, 1000}},
      {"timer0 adjusted", 0, {0, 2, -1, "6", "9", 1, 99}},
      {"timer1", 1, {1, 2, -1, "4", "6", 0, 40000}},
      {"timer2", 2, {0, 1, 9, "3", "11", 1, 200}},
      {"timer3", 3, {1, 1, -1, "2", "8", 0, 12345}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Window w;
    Calculator& c = *w;
    c.opTmr.click(r.timer);
    if (r.timer == 0) c.opMode.click(r.in.width);
    c.cbPre.pick(r.in.prescaler);
    if (r.in.postscaler >= 0) c.cbPost.pick(r.in.postscaler);
    c.txtTimeout.type(r.in.timeout);
    c.txtOverhead.type(r.in.overhead);
    if (r.in.adjust) (r.timer == 0 ? c.chkTMR0 : c.chkPR2).click();
    c.txtRegVal.type(std::to_string(r.in.preload));
    const Kept before = shown(c, r.timer);
    const std::string beforeTimeout = before.timeout, beforeOverhead = before.overhead;
    ASSERT_EQ(before.preload, r.in.preload);

    // Away to every other timer and back.
    for (int other = 0; other < 4; ++other) {
      if (other == r.timer) continue;
      c.opTmr.click(other);
      // The other timer shows its own first visit: nothing leaks over.
      EXPECT_EQ(c.cbPre.index(), 0) << "on timer " << other;
      EXPECT_EQ(c.sl1.value(), 0) << "on timer " << other;
      EXPECT_EQ(c.txtTimeout.text(), "0") << "on timer " << other;
      EXPECT_EQ(c.txtOverhead.text(), "0") << "on timer " << other;
      c.opTmr.click(r.timer);
      const Kept after = shown(c, r.timer);
      EXPECT_EQ(after.width, before.width);
      EXPECT_EQ(after.prescaler, before.prescaler);
      if (r.timer == 2) {
        EXPECT_EQ(after.postscaler, before.postscaler);
      }
      EXPECT_EQ(std::string(c.txtTimeout.text()), beforeTimeout);
      EXPECT_EQ(c.slTimeout.value(), std::stoi(beforeTimeout));
      EXPECT_EQ(std::string(c.txtOverhead.text()), beforeOverhead);
      EXPECT_EQ(after.adjust, before.adjust);
      EXPECT_EQ(after.preload, before.preload);
    }
    const auto failed = checks::violations(c, w.app);
    EXPECT_TRUE(failed.empty()) << checks::joined(failed);
  }
}

TEST(TimerSelectionTest, WhatSelectingATimerResets) {
  const struct {
    const char* name;
    std::function<void(Calculator&)> act;
    std::function<void(Calculator&)> check;
  } rows[] = {
      {"timer2 after timer0 clears TMR0 Adjust and the search period",
       [](Calculator& c) {
         c.txtRegVal.type("100");
         c.chkTMR0.click();
         c.txtSearchInt.type("5");
         c.opTmr.click(2);
       },
       [](Calculator& c) {
         EXPECT_EQ(c.chkTMR0.value(), 0);
         EXPECT_EQ(c.txtSearchInt.text(), "0");
         EXPECT_EQ(c.sl1.value(), 0);
       }},
      {"timer0 after timer2 keeps PIC18",
       [](Calculator& c) {
         c.opTmr.click(2);
         c.family.click(1);
         c.opTmr.click(0);
       },
       [](Calculator& c) {
         EXPECT_EQ(c.family.selected(), 1);
         EXPECT_EQ(c.opMode.selected(), 0);
       }},
      {"timer3 selects PIC18 and 16-bit only",
       [](Calculator& c) { c.opTmr.click(3); },
       [](Calculator& c) {
         EXPECT_EQ(c.family.selected(), 1);
         EXPECT_EQ(c.opMode.selected(), 1);
         EXPECT_FALSE(c.opMode[0].enabled);
         EXPECT_EQ(c.sl1.max(), 65535);
       }},
      {"16-bit timer0 selects PIC18, 8-bit PIC16",
       [](Calculator& c) {
         c.opMode.click(1);
         EXPECT_EQ(c.family.selected(), 1);
         c.opMode.click(0);
       },
       [](Calculator& c) {
         EXPECT_EQ(c.family.selected(), 0);
         EXPECT_EQ(c.sl1.max(), 255);
       }},
      {"Reset returns to PIC16 also when PIC18 was chosen by hand",
       [](Calculator& c) {
         c.family.click(1);
         c.cmdResetData.click();  // the test desktop answers OK
       },
       [](Calculator& c) { EXPECT_EQ(c.family.selected(), 0); }},
      {"TMR0 Adjust is disabled by high preloads on Timer0 only",
       [](Calculator& c) {
         c.opTmr.click(1);
         c.txtRegVal.type("60000");
       },
       [](Calculator& c) { EXPECT_TRUE(c.chkTMR0.enabled); }},
      {"PIC16 keeps timer1 16-bit",
       [](Calculator& c) {
         c.opTmr.click(1);
         c.family.click(0);
       },
       [](Calculator& c) {
         EXPECT_EQ(c.opMode.selected(), 1);
         EXPECT_EQ(c.sl1.max(), 65535);
       }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Window w;
    r.act(*w);
    r.check(*w);
    const auto failed = checks::violations(*w, w.app);
    EXPECT_TRUE(failed.empty()) << checks::joined(failed);
  }
}

TEST(WindowTextsTest, Tooltips) {
  // What the pointer shows over the inputs, word for word.
  Window w;
  Calculator& c = *w;
  const std::string unit = "Click here for change measure unit";
  const std::string example = "Should be available in Version 1.0";
  const std::pair<std::string, std::string> rows[] = {
      {c.txtFreq.tooltip, "Only numbers from 0 to 48000000"},
      {c.chkFosc.tooltip, "disable/enable Fosc/4"},
      {c.cbPre.tooltip, "Select Prescaler"},
      {c.cbPost.tooltip, "Select Postscaler"},
      {c.frMode.tooltip, "In PIC18 Series you can use the Timer0 in both modes"},
      {c.txtSearchInt.tooltip, "Only valid numbers"},
      {c.txtSearchFreq.tooltip, "Only valid numbers"},
      {c.LabelCycle.tooltip, unit}, {c.LabelHz.tooltip, unit}, {c.LabelHz2.tooltip, unit},
      {c.btnInterrupt.tooltip, unit}, {c.btnHertz.tooltip, unit}, {c.btnSearchInt.tooltip, unit},
      {c.btnSearchHertz.tooltip, unit},
      {c.frCode.tooltip, example}, {c.cmdBasic.tooltip, example}, {c.cmdAssembler.tooltip, example},
      {c.cmdXC8.tooltip, example},
  };
  for (const auto& [shown, expected] : rows) EXPECT_EQ(shown, expected);
  EXPECT_EQ(c.lblInputOSC.tooltip, "") << "the typed frequency's unit has none";
}

}  // namespace
}  // namespace tickwell
