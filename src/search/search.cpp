// The search limits of the current set-up and the search for the settings
// nearest to a wanted interrupt period or frequency.
#include <algorithm>
#include <cmath>

#include "app/number_text.h"
#include "app/units.h"
#include "calculator/calculator.h"
#include "search/period_scan.h"

namespace tickwell {

namespace {

// The ratio of a prescaler entry: the text after "1:".
double entryRatio(const std::string& entry) { return entry.empty() ? 1 : leadingValue(entry.substr(2)); }


}  // namespace

void Calculator::CalcMinLimits() {
  const double fcyc = chkFosc.value() == 1 ? app_.OscFreq / 4 : app_.OscFreq;
  app_.MinPeriod = 1 / fcyc * 1000 * 1000000;
  app_.MinFreq = fcyc / (sl1.max() + 1);
  // Timer0's lowest frequency assumes its largest prescaler; Timer1 and Timer3
  // use the selected one; Timer2 none.
  if (cbPre.count() == 4) app_.MinFreq = app_.MinFreq / entryRatio(cbPre.text());
  if (cbPre.count() == 9) app_.MinFreq = app_.MinFreq / 256;
}

void Calculator::CalcMaxLimits() {
  switch (cbPre.count()) {
    case 3:
      app_.MaxPeriod = app_.MinPeriod * 256 * 16 * 16;
      app_.MaxPeriodPre1 = app_.MinPeriod * 256;
      break;
    case 4:
      app_.MaxPeriod = app_.MinPeriod * 65536 * 8;
      app_.MaxPeriodPre1 = app_.MinPeriod * 65536;
      break;
    case 9:
      app_.MaxPeriod = app_.MinPeriod * std::pow(256.0, app_.TimerMode + 1) * 256;
      app_.MaxPeriodPre1 = app_.MinPeriod * std::pow(256.0, app_.TimerMode + 1);
      break;
    default:
      break;
  }
  app_.MaxFreq = app_.TickFreq;
}

void Calculator::showLimits() {
  const std::string& periodUnit = btnInterrupt.caption;
  const char* periodMask = periodUnit == "ns"                     ? "#,###,###,##0"
                           : periodUnit == kMicroSeconds          ? "#,###,###,##0.00"
                           : (periodUnit == "ms" || periodUnit == "s") ? "#,###,##0.00###"
                                                                  : nullptr;
  if (periodMask) {
    lblMin.setCaption(formatMask(app_.MinPeriod / app_.PeriodUnit, periodMask));
    lblMax.setCaption(formatMask(app_.MaxPeriod / app_.PeriodUnit, periodMask));
  }
  const std::string& freqUnit = btnHertz.caption;
  if (freqUnit == "Hz") {
    lblMinFreq.setCaption(formatMask(app_.MinFreq, "##,##0.00"));
    lblMaxFreq.setCaption(formatMask(app_.MaxFreq, "##,##0.00"));
  } else if (const double f = freqFactor(freqUnit); f > 0) {
    lblMinFreq.setCaption(formatMask(app_.MinFreq / f, "#,###,###,##0.00"));
    lblMaxFreq.setCaption(formatMask(app_.MaxFreq / f, "#,###,###,##0.00"));
  }
}

// ------------------------------------------------------------ entry rules

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

// ----------------------------------------------------------------- search

void Calculator::cmdSearch_Click() {
  if (txtSearchInt.text() != "0") SearchPeriod();
  if (txtSearchFreq.text() != "0") SearchFrequency();
  txtSearchInt.selectAll();
}

void Calculator::SearchPeriod() {
  const double unit = periodFactor(btnSearchInt.caption);
  CalcMinLimits();
  CalcMaxLimits();
  const double wanted = readShown(txtSearchInt.text()) * unit;
  if (wanted > app_.MaxPeriod) {
    message("Number input is higher than max. interrupt." + app_.CrLf + "Use 16-Bit or counter in loop!",
            MsgIcon::Critical);
    txtSearchInt.setText("0");
    return;
  }
  if (wanted < app_.MinPeriod) {
    message("Number input is lower than min. interrupt." + app_.CrLf + "Use min. " + plainNumber(app_.MinPeriod) +
                " ns or higher",
            MsgIcon::Critical);
    txtSearchInt.setText("0");
    return;
  }

  const int n = cbPre.count();
  int i = 0;
  if (chkUseScaler.value() == 1) {
    i = cbPre.index();
  } else {
    const auto found = scanPeriod({wanted, app_.MaxPeriodPre1, n});
    if (!found) {
      message("Wrong input data !", MsgIcon::Critical);
      return;
    }
    i = found->prescalerIndex;
    // The postscaler's handler recalculates, so PostScale is the chosen one.
    if (found->postscalerIndex) cbPost.setIndex(*found->postscalerIndex);
  }
  // A preload outside the slider's range is cut to the nearest limit; the
  // result check below then reports the inexact result.
  sl1.setValue(wholeValue(periodPreload(wanted, i, app_.MinPeriod, n, app_.PostScale, app_.TimerMode)));
  cbPre.setIndex(i);
  Recalculate();
  if (readShown(lblInterrupt.caption()) * app_.PeriodUnit != wanted)
    message("No exact match found! Setting nearest value.   ", MsgIcon::Information);
}

void Calculator::SearchFrequency() {
  const double unit = freqFactor(btnSearchHertz.caption);
  const double wanted = readShown(txtSearchFreq.text()) * unit;
  if (wanted > app_.MaxFreq) {
    message("Number input is higher than max. frequency." + app_.CrLf + "Use 16-Bit, counter in loop or change scaler!",
            MsgIcon::Critical);
    txtSearchFreq.setText("0");
    return;
  }
  if (wanted < app_.MinFreq) {
    message("Number input is lower than min. frequency." + app_.CrLf + "Use min. " + plainNumber(app_.MinFreq) +
                " Hz or higher",
            MsgIcon::Critical);
    txtSearchFreq.setText("0");
    return;
  }
  sl1.setValue(wholeValue(frequencyPreload(wanted, app_.MaxFreq, cbPre.count(), app_.TimerMode)));
  Recalculate();
  if (roundHalfEven(readShown(lblHz.caption()) * app_.FreqUnit) != wanted)
    message("No exact match found! Setting nearest value.   ", MsgIcon::Information);
}

}  // namespace tickwell
