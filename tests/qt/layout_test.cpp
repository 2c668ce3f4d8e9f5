// A steady main window: nothing moves when the timer changes, and the window
// keeps its size whatever values it shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "main_window.h"
#include "test_support.h"

namespace tickwell {
namespace {

class LayoutTest : public test::MainWindowTestBase {
protected:
  // Runs an action as the view does (model, then refresh) and lets the
  // layout settle.
  void act(const std::function<void(Calculator&)>& action) {
    action(*calc);
    window->refresh();
    QApplication::processEvents();
  }

  // Where every shown widget of the window sits.
  std::map<std::string, QRect> places() {
    std::map<std::string, QRect> out;
    for (const auto& nc : calc->controls())
      if (QWidget* w = window->widget(nc.name); w && w->isVisibleTo(window.get()))
        out[nc.name] = QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
    return out;
  }
};

TEST_F(LayoutTest, NothingMovesWhenTheTimerChanges) {
  const QSize size = window->size();
  const auto timer0 = places();
  for (int timer : {1, 2, 3, 0, 2, 1}) {
    act([timer](Calculator& c) { c.opTmr.click(timer); });
    EXPECT_EQ(window->size(), size) << "Timer" << timer;
    for (const auto& [name, place] : places()) {
      if (!timer0.count(name)) continue;
      EXPECT_EQ(place, timer0.at(name)) << name << " moved on Timer" << timer;
    }
    // The listing of each timer takes the place of Timer0's.
    QWidget* listing = window->widget("txtTimer");
    EXPECT_EQ(QRect(listing->mapTo(window.get(), QPoint(0, 0)), listing->size()), timer0.at("txtTimer(0)"));
  }
}

TEST_F(LayoutTest, TheWindowKeepsItsSizeForEveryValue) {
  const QSize size = window->size();
  const struct {
    const char* name;
    std::function<void(Calculator&)> act;
  } steps[] = {
      {"48 MHz", [](Calculator& c) { c.opFreq.click(14); }},
      {"Fosc/4 off", [](Calculator& c) { c.chkFosc.click(); }},
      {"1:256", [](Calculator& c) { c.cbPre.pick(8); }},
      {"16-bit", [](Calculator& c) { c.opMode.click(1); }},
      {"preload 1", [](Calculator& c) { c.txtRegVal.type("1"); }},
      {"480 MHz in Hz", [](Calculator& c) { c.txtFreq.type("480000000"); }},
      {"overhead", [](Calculator& c) { c.txtOverhead.type("32767"); }},
      {"period in µs", [](Calculator& c) { c.btnInterrupt.click(); }},
      {"in ms", [](Calculator& c) { c.btnInterrupt.click(); }},
      {"frequency in kHz", [](Calculator& c) { c.btnHertz.click(); }},
      {"cycle in µs", [](Calculator& c) { c.LabelCycle.click(); }},
      {"largest oscillator", [](Calculator& c) { c.txtFreq.type("1e9"); }},
      {"smallest oscillator", [](Calculator& c) { c.txtFreq.type("1e-9"); }},
      {"Timer2 at 1:16, 1:16", [](Calculator& c) {
         c.opTmr.click(2);
         c.cbPre.pick(2);
         c.cbPost.pick(15);
       }},
      {"period in s", [](Calculator& c) { c.btnInterrupt.click(); }},
      {"back in ns", [](Calculator& c) { c.btnInterrupt.click(); }},
      {"a search and its error", [](Calculator& c) {
         c.txtSearchInt.type("1.2345");
         c.cmdSearch.click();
       }},
      {"a frequency search far off", [](Calculator& c) {
         c.txtSearchFreq.type("0.017");
         c.cmdSearch.click();
       }},
      {"reset", [](Calculator& c) { c.cmdResetData.click(); }},
  };
  for (const auto& step : steps) {
    act(step.act);
    EXPECT_EQ(window->size(), size) << "after " << step.name;
  }
}

TEST_F(LayoutTest, TheCommandsStandOnTheLineOfTheExampleButtons) {
  // Text baselines: the same font centred in boxes of the same height, so the
  // middles of the boxes must agree.
  auto middle = [this](const char* name) {
    QWidget* w = window->widget(name);
    return w->mapTo(window.get(), w->rect().center()).y();
  };
  const int line = middle("cmdBasic");
  for (const char* name : {"cmdXC8", "cmdCrystalModes", "txtHyperlink", "cmdInfo", "cmdResetData", "cmdExit"})
    EXPECT_NEAR(middle(name), line, 1) << name;
}

}  // namespace
}  // namespace tickwell
