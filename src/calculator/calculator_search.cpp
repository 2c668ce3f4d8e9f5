// The search frame: its entry rules and SEARCH, which asks the pure search
// for the settings, applies them through the controls (whose handlers
// recalculate) and tells the user what came of it.
#include "app/number_text.h"
#include "app/units.h"
#include "calculator/calculator.h"
#include "search/search.h"

namespace tickwell {

namespace {

const char* const kNotExact = "No exact match found! Setting nearest value.   ";

}  // namespace

void Calculator::txtSearchInt_Change() {
  if (!IsEmptyOrNumeric(txtSearchInt.text())) txtSearchInt.setText("0");
  if (txtSearchInt.text().empty()) txtSearchInt.setText("0");
  // At most one of the two entries holds a wanted value.
  if (txtSearchInt.text() != "0") txtSearchFreq.setText("0");
}

void Calculator::txtSearchFreq_Change() {
  if (!IsEmptyOrNumeric(txtSearchFreq.text())) txtSearchFreq.setText("0");
  if (txtSearchFreq.text().empty()) txtSearchFreq.setText("0");
  if (txtSearchFreq.text() != "0") txtSearchInt.setText("0");
}

void Calculator::cmdSearch_Click() {
  if (txtSearchInt.text() != "0") SearchPeriod();
  if (txtSearchFreq.text() != "0") SearchFrequency();
  txtSearchInt.selectAll();
}

void Calculator::SearchPeriod() {
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
  if (!showsExactly(wanted, evaluate(settings()).periodNs, periodUnit_)) message(kNotExact, MsgIcon::Information);
}

void Calculator::SearchFrequency() {
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
  if (!showsExactly(wanted, evaluate(settings()).frequencyHz, frequencyUnit_))
    message(kNotExact, MsgIcon::Information);
}

}  // namespace tickwell
