// The search frame: its entry rules and SEARCH, which asks the pure search
// for the settings, applies them through the controls (whose handlers
// recalculate) and tells the user what came of it; and what the solutions
// dialog solves and how one of its rows is applied.
#include <cmath>

#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/units.h"
#include "calculator/calculator.h"
#include "calculator/constants.h"
#include "calculator/oscillator_entry.h"
#include "search/search.h"

namespace tickwell {

namespace {

const char* const kNotExact = "No exact match found! Setting nearest value.   ";

}  // namespace

void Calculator::txtSearchInt_Change() {
  // The label describes the wanted value it was searched for.
  lblSearchError.setCaption("");
  if (!IsEmptyOrNumeric(txtSearchInt.text())) txtSearchInt.setText("0");
  if (txtSearchInt.text().empty()) txtSearchInt.setText("0");
  // At most one of the two entries holds a wanted value.
  if (txtSearchInt.text() != "0") txtSearchFreq.setText("0");
}

void Calculator::txtSearchFreq_Change() {
  lblSearchError.setCaption("");
  if (!IsEmptyOrNumeric(txtSearchFreq.text())) txtSearchFreq.setText("0");
  if (txtSearchFreq.text().empty()) txtSearchFreq.setText("0");
  if (txtSearchFreq.text() != "0") txtSearchInt.setText("0");
}

void Calculator::cmdSearch_Click() {
  if (txtSearchInt.text() != "0") SearchPeriod();
  if (txtSearchFreq.text() != "0") SearchFrequency();
  txtSearchInt.selectAll();
}

void Calculator::showSearchError(double achieved, double wanted, const std::string& shown, std::string_view unit) {
  lblSearchError.setCaption("Achieved " + shown + " " + std::string(unit) + ", error " +
                            ppmText(errorPpm(achieved, wanted)) + " ppm");
}

void Calculator::SearchPeriod() {
  // A refused search leaves the label blank.
  lblSearchError.setCaption("");
  const TimerSettings before = settings();
  storeLimits(evaluate(before).limits);
  const double wanted = readShown(txtSearchInt.text()) * factor(periodUnit_);
  const std::optional<int> keep = chkUseScaler.value() == 1 ? std::optional<int>(cbPre.index()) : std::nullopt;
  const SearchOutcome outcome = searchPeriod(before, wanted, keep);
  if (const auto* failure = std::get_if<SearchFailure>(&outcome)) {
    switch (*failure) {
      case SearchFailure::AboveMaximum:
        message("Number input is higher than max. interrupt." + app_.CrLf + "Use 16-Bit or counter in loop!",
                MsgIcon::Critical);
        txtSearchInt.setText("0");
        break;
      case SearchFailure::BelowMinimum:
        message("Number input is lower than min. interrupt." + app_.CrLf + "Use min. " + plainNumber(app_.MinPeriod) +
                    " ns or higher",
                MsgIcon::Critical);
        txtSearchInt.setText("0");
        break;
      case SearchFailure::NoPrescaler:
        message("Wrong input data !", MsgIcon::Critical);
        break;
    }
    return;
  }
  const SearchResult& found = std::get<SearchResult>(outcome);
  if (found.postscalerIndex) cbPost.setIndex(*found.postscalerIndex);
  // A preload outside the slider's range is cut to the nearest limit; the
  // check below then reports the inexact result.
  sl1.setValue(wholeValue(found.preload));
  cbPre.setIndex(found.prescalerIndex);
  Recalculate();
  const double achieved = evaluate(settings()).periodNs;
  showSearchError(achieved, wanted, shownPeriod(achieved, periodUnit_), caption(periodUnit_));
  if (!showsExactly(wanted, achieved, periodUnit_)) message(kNotExact, MsgIcon::Information);
}

void Calculator::SearchFrequency() {
  lblSearchError.setCaption("");
  const double wanted = readShown(txtSearchFreq.text()) * factor(frequencyUnit_);
  const SearchOutcome outcome = searchFrequency(settings(), wanted);
  if (const auto* failure = std::get_if<SearchFailure>(&outcome)) {
    if (*failure == SearchFailure::AboveMaximum) {
      message("Number input is higher than max. frequency." + app_.CrLf +
                  "Use 16-Bit, counter in loop or change scaler!",
              MsgIcon::Critical);
    } else {
      message("Number input is lower than min. frequency." + app_.CrLf + "Use min. " + plainNumber(app_.MinFreq) +
                  " Hz or higher",
              MsgIcon::Critical);
    }
    txtSearchFreq.setText("0");
    return;
  }
  sl1.setValue(wholeValue(std::get<SearchResult>(outcome).preload));
  Recalculate();
  const double achieved = evaluate(settings()).frequencyHz;
  showSearchError(achieved, wanted, shownFrequency(achieved, frequencyUnit_), caption(frequencyUnit_));
  if (!showsExactly(wanted, achieved, frequencyUnit_)) message(kNotExact, MsgIcon::Information);
}

std::optional<SolveRequest> Calculator::solveRequest() const {
  SolveRequest r;
  const double period = readShown(txtSearchInt.text()) * factor(periodUnit_);
  const double frequency = readShown(txtSearchFreq.text()) * factor(frequencyUnit_);
  if (period > 0 && std::isfinite(period))
    r.wanted = {Quantity::Period, period};
  else if (frequency > 0 && std::isfinite(frequency))
    r.wanted = {Quantity::Frequency, frequency};
  else
    return std::nullopt;
  const TimerSettings now = settings();
  r.family = now.family;
  r.oscHz = now.oscHz;
  r.fosc4 = now.fosc4;
  r.timeout = now.timeout;
  r.overhead = now.overhead;
  const auto adjustOf = [&](int timer, const CheckBox& box) {
    return app_.TimerNo == timer ? box.value() == 1 : app_.SavedTmr[static_cast<std::size_t>(timer)].adjust;
  };
  r.tmr0Adjust = adjustOf(0, chkTMR0);
  r.pr2Adjust = adjustOf(2, chkPR2);
  return r;
}

void Calculator::applySettings(const TimerSettings& s) {
  const TimerSpec& table = timerSpec(s.timer);
  if (s.oscHz != app_.OscFreq) {
    if (const auto text = oscEntryText(s.oscHz)) enterOscillator(*text);
  }
  chkFosc.setValue(s.fosc4 ? 1 : 0);
  // Selecting the timer saves the inputs of the one before and restores its own.
  opTmr.select(s.timer);
  // The width selects its family where it exists on one family only.
  if (table.has8Bit && table.has16Bit) opMode.select(static_cast<int>(s.width));
  family.select(s.family == Family::PIC16 ? 0 : 1);
  cbPre.setIndex(table.prescalerIndex(s.prescale).value_or(0));
  if (table.hasPostscaler) cbPost.setIndex(static_cast<int>(s.postscale) - 1);
  restoreTimeoutText(integerText(static_cast<std::int64_t>(s.timeout)));
  txtOverhead.setText(plainNumber(s.overhead));
  // The boxes come before the preload, which already holds their adjustment.
  chkTMR0.setValue(table.writeLossCycles > 0 && s.tmr0Adjust ? 1 : 0);
  chkPR2.setValue(table.matchLossCycles > 0 && s.pr2Adjust ? 1 : 0);
  sl1.setValue(s.preload);
  sl1_Scroll();
}

}  // namespace tickwell
