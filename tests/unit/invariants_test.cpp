// The window's invariants: the checker notices each kind of damage (so that a
// silent checker cannot pass the fuzzer), and they hold after every step of
// user sequences that push the calculator to its edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../support/invariants.h"

namespace tickwell {
namespace {

using checks::Window;

const ControlPtr& find(Calculator& c, const std::string& name) {
  for (const auto& nc : c.controls())
    if (nc.name == name) return nc.control;
  throw std::invalid_argument(name);
}

// --------------------------------------------------------------- the checker

TEST(InvariantsTest, FreshWindowIsSound) {
  Window w;
  const auto failed = checks::violations(*w, w.app);
  EXPECT_TRUE(failed.empty()) << checks::joined(failed);
}

TEST(InvariantsTest, CheckerNoticesDamage) {
  // Each row damages the window behind the handlers' back and names the
  // check that must complain.
  const struct {
    const char* name;
    std::function<void(Window&)> damage;
    const char* complaint;
  } rows[] = {
      {"preload box", [](Window& w) { w->txtRegVal.onChange = nullptr; w->txtRegVal.setText("7"); }, "txtRegVal"},
      {"timeout box", [](Window& w) { w->txtTimeout.onChange = nullptr; w->txtTimeout.setText("99"); }, "txtTimeout"},
      {"negative overhead", [](Window& w) { w->txtOverhead.onChange = nullptr; w->txtOverhead.setText("-5"); }, "txtOverhead"},
      {"overhead too big", [](Window& w) { w->txtOverhead.onChange = nullptr; w->txtOverhead.setText("32768"); }, "txtOverhead"},
      {"empty frequency", [](Window& w) { w->txtFreq.onChange = nullptr; w->txtFreq.setText(""); }, "txtFreq"},
      {"frequency 0", [](Window& w) { w.app.OscFreq = 0; }, "OscFreq"},
      {"infinite tick", [](Window& w) { w.app.TickFreq = 1.0 / 0.0; }, "TickFreq"},
      {"inf shown", [](Window& w) { w->lblHz.onChange = nullptr; w->lblHz.setCaption("inf"); }, "lblHz: shows"},
      {"-nan shown", [](Window& w) { w->lblMin.setCaption("-nan"); }, "lblMin: shows"},
      {"1.#INF shown", [](Window& w) { w->txtTimer[0].setText("x = 1.#INF\r\n"); }, "txtTimer(0): shows"},
      {"NaN in a caption", [](Window& w) { w->frmCalculator.caption += " NaN"; }, "frmCalculator"},
      {"Infinity in a list", [](Window& w) { w->cbComment.add("Infinity"); }, "cbComment: shows"},
      {"not a number", [](Window& w) { w->lblCycle.setCaption("1.000,5"); }, "lblCycle"},
      {"bad grouping", [](Window& w) { w->lblMax.setCaption("65,536,00"); }, "lblMax"},
      {"limits swapped", [](Window& w) { w->lblMinFreq.setCaption("2,000,000.00"); }, "lblMinFreq/lblMaxFreq"},
      {"negative result", [](Window& w) { w->lblFreq.setCaption("-1"); }, "lblFreq"},
      {"period of another count", [](Window& w) { w->lblInterrupt.onChange = nullptr; w->lblInterrupt.setCaption("257,000"); }, "lblInterrupt x lblHz"},
      {"frequency one count off", [](Window& w) { w->lblHz.onChange = nullptr; w->lblHz.setCaption("3,891.05058"); }, "lblInterrupt x lblHz"},
      {"frequency a step off", [](Window& w) { w->lblHz.onChange = nullptr; w->lblHz.setCaption("3,906.26"); }, "lblInterrupt x lblHz"},
      {"results of another clock", [](Window& w) { w.app.OscFreq = 8e6; }, "lblInterrupt: \"256,000\", the model gives"},
      {"unit outside the ring", [](Window& w) { w->btnHertz.caption = "Hertz"; }, "result units"},
      {"second listing shown", [](Window& w) { w->txtTimer[2].visible = true; }, "txtTimer(2): shown"},
      {"listing of another timer", [](Window& w) { w->Ts1.onClick = nullptr; w->Ts1.select(2); }, "Ts1"},
      {"listing cut short", [](Window& w) { w->txtTimer[1].setText("TMR1H = 0\r"); }, "txtTimer(1): does not end"},
      {"NOT AVAILABLE on PIC18", [](Window& w) { w->family.onClick = nullptr; w->family.select(1); }, "txtTimer(3)"},
      {"stale listing", [](Window& w) { w->txtTimer[0].setText(" Freq=3,906.25Hz; Period=255,000 ns\r\n"); }, "txtTimer(0): quotes another"},
      {"count of another preload", [](Window& w) { w->lblToInterrupt.setCaption("255"); }, "lblToInterrupt"},
      {"views of another preload", [](Window& w) { w->txtHexL.setText("FF"); w->txtDecL.setText("255"); }, "txtHexH/L"},
      {"binary view", [](Window& w) { w->txtBin.setText("% 0000000"); }, "txtBin"},
      {"preload out of the width", [](Window& w) { w->sl1.setMax(65535); }, "sl1"},
      {"timer without its prescalers", [](Window& w) { w->cbPre.clear(); }, "cbPre"},
      {"both search entries", [](Window& w) { w->txtSearchFreq.onChange = nullptr; w->txtSearchFreq.setText("5"); w->txtSearchInt.onChange = nullptr; w->txtSearchInt.setText("7"); }, "search entries"},
      {"search entry text", [](Window& w) { w->txtSearchInt.onChange = nullptr; w->txtSearchInt.setText("abc"); }, "txtSearchInt"},
      {"bold not selected", [](Window& w) { w->opFreq[3].bold = true; }, "opFreq"},
      {"Timer4", [](Window& w) { w->opTmr.onClick = nullptr; w->opTmr.select(4); }, "opTmr"},
      {"TMR0 adjust on Timer1", [](Window& w) { w->opTmr.select(1); w->chkTMR0.onClick = nullptr; w->chkTMR0.setValue(1); }, "chkTMR0"},
      {"deep nesting", [](Window& w) { w->depth.deepest = checks::kMaxHandlerDepth + 1; }, "handler depth"},
      {"cover panel", [](Window& w) { w->p1.visible = true; }, "p1"},
  };
  for (const auto& r : rows) {
    Window w;
    r.damage(w);
    const std::string all = checks::joined(checks::violations(*w, w.app));
    EXPECT_NE(all.find(r.complaint), std::string::npos) << r.name << " went unnoticed; complaints:\n" << all;
  }
}

TEST(InvariantsTest, InfAndNanAreWordsNotParts) {
  EXPECT_FALSE(checks::detail::showsInfOrNan("&Info, Information, Infinite, nano, banana"));
  EXPECT_TRUE(checks::detail::showsInfOrNan("x=INF;"));
  EXPECT_TRUE(checks::detail::showsInfOrNan("-infinity"));
  EXPECT_TRUE(checks::detail::showsInfOrNan("(nan)"));
}

// ------------------------------------------------------- sequences of actions

// One user action, as the scenario driver performs it.
struct Step {
  std::string what;
  std::function<void(Window&)> act;
};

Step type(const std::string& name, const std::string& text) {
  return {"type " + name + " " + text, [=](Window& w) { std::get<TextBox*>(find(*w, name))->type(text); }};
}
Step click(const std::string& name) {
  return {"click " + name, [=](Window& w) {
            std::visit(
                [](auto c) {
                  if constexpr (std::is_same_v<decltype(c), OptionRef>)
                    c.group->click(c.index);
                  else if constexpr (requires { c->click(); })
                    c->click();
                },
                find(*w, name));
          }};
}
Step pick(const std::string& name, int index) {
  return {"pick " + name + " " + std::to_string(index), [=](Window& w) { std::get<ComboBox*>(find(*w, name))->pick(index); }};
}
Step slide(const std::string& name, long long value) {
  return {"slide " + name + " " + std::to_string(value), [=](Window& w) { std::get<Slider*>(find(*w, name))->slide(value); }};
}
Step answer(MsgAnswer a) {
  return {a == MsgAnswer::Ok ? "answer ok" : "answer cancel", [=](Window& w) { w.desktop.answers.push_back(a); }};
}

TEST(InvariantsTest, HoldAfterEveryStep) {
  const struct {
    const char* name;
    std::vector<Step> steps;
  } rows[] = {
      {"highest clock, every timer, largest scalers, all units",
       {type("txtFreq", "1e9"), pick("cbPre", 8), click("opMode(1)"), click("chkFosc"), click("btnInterrupt"),
        click("btnInterrupt"), click("btnInterrupt"), click("btnHertz"), click("btnHertz"), click("LabelCycle"),
        click("LabelHz"), click("LabelHz2"), click("opTmr(1)"), pick("cbPre", 3), click("opTmr(2)"),
        pick("cbPre", 2), pick("cbPost", 15), click("opTmr(3)"), click("btnInterrupt"), click("btnHertz")}},
      {"lowest clock, largest counts",
       {type("txtFreq", "1e-9"), click("chkFosc"), click("opMode(1)"), pick("cbPre", 8), type("txtOverhead", "32767"),
        slide("slTimeout", 15), click("btnInterrupt"), click("btnInterrupt"), click("btnInterrupt"),
        click("btnHertz"), click("btnHertz"), click("lblInputOSC"), click("opTmr(2)"), pick("cbPre", 2),
        pick("cbPost", 15), click("opTmr(1)")}},
      {"TMR0 adjustment at the edges",
       {pick("cbPre", 8), slide("sl1", 253), click("chkTMR0"), slide("sl1", 1), click("chkTMR0"), slide("sl1", 255),
        click("chkTMR0"), click("opMode(1)"), slide("sl1", 65535), click("chkTMR0"), slide("sl1", 0),
        click("cmdL"), click("cmdSl1Max"), click("cmdR")}},
      {"PR2 adjustment at the edges",
       {click("opTmr(2)"), slide("sl1", 255), click("chkPR2"), slide("sl1", 254), click("chkPR2"), click("chkPR2"),
        slide("sl1", 0), click("chkPR2"), click("opTmr(0)"), click("opTmr(2)")}},
      {"searches that leave the slider's range",
       {click("opTmr(2)"), type("txtSearchInt", "51150"), click("cmdSearch"), click("chkUseScaler"),
        type("txtSearchInt", "1e6"), click("cmdSearch"), click("opTmr(0)"), type("txtSearchFreq", "15.26"),
        click("cmdSearch"), click("opMode(1)"), type("txtSearchInt", "16777216000"), click("cmdSearch")}},
      {"searches in other units",
       {click("btnSearchInt"), click("btnSearchInt"), type("txtSearchInt", "1"), click("cmdSearch"),
        click("btnSearchInt"), click("btnSearchInt"), click("btnSearchHertz"), type("txtSearchFreq", "1.5"),
        click("cmdSearch"), click("btnSearchHertz"), click("btnSearchHertz")}},
      {"kept inputs across timers, reset and family",
       {type("txtTimeout", "5"), type("txtOverhead", "1e-320"), click("opTmr(1)"), type("txtTimeout", "5"),
        click("opTmr(0)"), click("opTmr(3)"), click("opPIC16"), type("txtRegVal", "300"), click("opPIC18"),
        click("opMode(1)"), click("opTmr(2)"), answer(MsgAnswer::Cancel), click("cmdResetData"),
        answer(MsgAnswer::Ok), click("cmdResetData"), click("opTmr(3)")}},
      {"listing tabs and languages",
       {pick("cbComment", 1), click("opTmr(3)"), pick("cbComment", 2), click("opPIC16"), pick("cbComment", 0),
        click("opTmr(2)"), click("opTmr(0)")}},
      {"oscillator presets after a typed clock",
       {type("txtFreq", "4.81e8"), click("opFreq(0)"), click("opFreq(15)"), type("txtFreq", "999.9999"),
        click("opFreq(14)"), click("lblInputOSC"), click("lblInputOSC"), type("txtFreq", "abc")}},
  };
  int deepest = 0;
  for (const auto& r : rows) {
    Window w;
    for (const auto& step : r.steps) {
      step.act(w);
      const auto failed = checks::violations(*w, w.app);
      ASSERT_TRUE(failed.empty()) << r.name << ", after \"" << step.what << "\":\n" << checks::joined(failed);
    }
    deepest = std::max(deepest, w->depth.deepest);
  }
  // Ordinary use stays far below the bound the fuzzer enforces, and the
  // nesting is really counted: the timer selection alone nests six deep.
  EXPECT_LE(deepest, checks::kMaxHandlerDepth / 3);
  EXPECT_GE(deepest, 6);
}

}  // namespace
}  // namespace tickwell
