#include "calculator/render.h"

#include <algorithm>
#include <cmath>

#include "app/number_text.h"
#include "app/result_texts.h"
#include "app/startup.h"
#include "app/window_texts.h"
#include "timer/chip_interval.h"
#include "app/oscillator_entry.h"
#include "version.h"

namespace tickwell {

namespace {

std::string text(std::string_view s) { return std::string(s); }

std::size_t index(Box b) { return static_cast<std::size_t>(b); }

BackColor scalerColor(int index) { return index == 0 ? BackColor::Window : BackColor::Yellow; }

// The chip's interval beside the window's period: the same, or the chip's in
// the period's unit with its difference in ppm.
std::string chipText(const TimerSettings& s, const TimerResult& r, TimeUnit unit) {
  const ChipInterval chip = chipInterval(s);
  if (chip.cycles == r.counts * s.prescale * s.postscale) return "On the chip: the same";
  const double ns = chip.seconds * 1e9;
  return "On the chip: " + shownPeriod(ns, unit) + " " + std::string(caption(unit)) + ", " +
         ppmText(errorPpm(ns, r.periodNs)) + " ppm";
}

std::string searchReportText(const SearchReport& r) {
  const bool period = r.quantity == Quantity::Period;
  const std::string shown =
      period ? shownPeriod(r.achieved, r.periodUnit) : shownFrequency(r.achieved, r.frequencyUnit);
  const std::string_view unit = period ? caption(r.periodUnit) : caption(r.frequencyUnit);
  return "Achieved " + shown + " " + std::string(unit) + ", error " + ppmText(errorPpm(r.achieved, r.wanted)) + " ppm";
}

}  // namespace

const TimerSpec& factsOf(const WindowState& s) {
  return s.device ? *s.device->timer(s.timer)->facts().facts : timerSpec(s.timer);
}

bool offersWidth(const WindowState& s, Width w) {
  const TimerSpec& facts = factsOf(s);
  return s.device ? facts.countsIn(w, s.family) : facts.hasWidth(w);
}

bool offersOscillatorCount(const WindowState& s) {
  return !s.device || s.device->timer(s.timer)->facts().countsOscillator;
}

TimerSettings settingsOf(const WindowState& s) {
  const TimerSpec& facts = factsOf(s);
  TimerSettings t;
  t.family = s.family;
  t.timer = s.timer;
  if (s.device) t.kind = s.device->timer(s.timer)->kind;
  t.width = s.width;
  t.oscHz = s.osc.value;
  t.fosc4 = s.fosc4;
  t.prescale = facts.prescalers[static_cast<std::size_t>(s.prescalerIndex)].ratio;
  t.postscale = facts.hasPostscaler ? s.postscalerIndex + 1 : 1;
  t.preload = s.preload;
  t.tmr0Adjust = s.tmr0Adjust;
  t.pr2Adjust = s.pr2Adjust;
  t.timeout = s.timeout;
  t.overhead = s.overhead.value;
  return t;
}

std::string clockCaptionOf(double clockHz, FrequencyUnit unit) { return clockText(clockHz, unit); }

std::string clockCaption(const WindowState& s) { return clockCaptionOf(clockFrequency(settingsOf(s)), s.clockUnit); }

std::string boxText(const WindowState& s, Box box) {
  if (const auto& typed = s.typedOverBox(box)) return *typed;
  switch (box) {
    case Box::Freq: return s.osc.text;
    case Box::PreBits:
      return text(factsOf(s).prescalers[static_cast<std::size_t>(s.prescalerIndex)].bits);
    case Box::PostBits: return text(postscalerBits(s.postscalerIndex));
    case Box::RegVal: return integerText(s.preload);
    case Box::Timeout: return integerText(s.timeout);
    case Box::Overhead: return s.overhead.text;
    case Box::HexH: return preloadTexts(s.preload).hexHigh;
    case Box::HexL: return preloadTexts(s.preload).hexLow;
    case Box::DecH: return preloadTexts(s.preload).decimalHigh;
    case Box::DecL: return preloadTexts(s.preload).decimalLow;
    case Box::Bin: return preloadTexts(s.preload).binary;
    case Box::SearchInt: return s.searchPeriodText;
    case Box::SearchFreq: return s.searchFrequencyText;
    default: return {};
  }
}

std::optional<SolveRequest> solveRequest(const WindowState& s) {
  SolveRequest r;
  const double period = readShown(s.searchPeriodText) * factor(s.periodUnit);
  const double frequency = readShown(s.searchFrequencyText) * factor(s.frequencyUnit);
  if (period > 0 && std::isfinite(period))
    r.wanted = {Quantity::Period, period};
  else if (frequency > 0 && std::isfinite(frequency))
    r.wanted = {Quantity::Frequency, frequency};
  else
    return std::nullopt;
  r.family = s.family;
  r.device = s.device;
  r.oscHz = s.osc.value;
  r.fosc4 = s.fosc4;
  r.timeout = s.timeout;
  r.overhead = s.overhead.value;
  // On a chip the Timer0 and Timer2 boxes stand for every timer of their kind.
  r.tmr0Adjust = factsOf(s).writeLossCycles > 0 ? s.tmr0Adjust : s.saved[0].adjust;
  r.pr2Adjust = factsOf(s).countsToMatch() ? s.pr2Adjust : s.saved[2].adjust;
  return r;
}

namespace {

// The device chooser and the chip's timers: each of them offered, or shown
// unavailable with the reason; the listing tab of the selected one.
void renderDevice(const WindowState& s, WindowView& v) {
  v.device.chooser.index = deviceChoice(s.device, s.family);
  if (!s.device) return;
  v.device.timers.reserve(s.device->timers.size());
  for (const DeviceTimer& t : s.device->timers) {
    ChipTimerView& timer = v.device.timers.emplace_back();
    timer.number = t.number;
    timer.caption = "Timer" + std::to_string(t.number);
    timer.selected = t.number == s.timer;
    timer.enabled = t.supported();
    timer.tooltip = t.supported() ? t.facts().description : t.facts().reason;
    if (timer.selected) v.Ts1.index = static_cast<int>(v.device.timers.size());
  }
}

// The options, check boxes, lists and sliders: what is chosen, and what can
// be chosen.
void renderChoices(const WindowState& s, WindowView& v) {
  const TimerSpec& facts = factsOf(s);
  const bool pic16 = s.family == Family::PIC16;
  for (std::size_t i = 0; i < v.opTmr.size(); ++i) {
    v.opTmr[i].selected = v.opTmr[i].bold = !s.device && static_cast<int>(i) == s.timer;
    if (s.device) v.opTmr[i].visible = false;  // the chip's timers stand in their place
  }
  for (std::size_t i = 0; i < v.opMode.size(); ++i)
    v.opMode[i].selected = v.opMode[i].bold = static_cast<int>(i) == static_cast<int>(s.width);
  v.opMode[0].enabled = offersWidth(s, Width::Bits8);
  v.opMode[1].enabled = offersWidth(s, Width::Bits16);
  for (std::size_t i = 0; i < v.opFreq.size(); ++i)
    v.opFreq[i].selected = v.opFreq[i].bold = static_cast<int>(i) == s.oscPreset;
  v.family[0].selected = v.family[0].bold = pic16;
  v.family[1].selected = v.family[1].bold = !pic16;
  v.family[0].enabled = v.family[1].enabled = !s.device;  // a chip's family is the chip's
  v.chkFosc.checked = s.fosc4;
  v.chkFosc.enabled = offersOscillatorCount(s);
  v.chkUseScaler.checked = s.useActualScalers;
  // An adjustment box that could no longer add its cycles is disabled, unless
  // it is checked (so that it can still be unchecked).
  v.chkTMR0.checked = s.tmr0Adjust;
  v.chkTMR0.visible = v.lblNoteTMR0.visible = facts.writeLossCycles > 0;
  v.chkTMR0.enabled = !(facts.writeLossCycles > 0 && s.preload >= 254 && !s.tmr0Adjust);
  v.chkPR2.checked = s.pr2Adjust;
  v.chkPR2.visible = v.lblNotePR2.visible = facts.matchLossCycles > 0;
  v.chkPR2.enabled = !(facts.matchLossCycles > 0 && s.preload >= 255 && !s.pr2Adjust);

  v.cbPre.list = &prescalerList(facts);
  v.cbPre.index = s.prescalerIndex;
  v.cbPre.backColor = v.txtPreBits.backColor = scalerColor(s.prescalerIndex);
  v.lblOff1.visible = s.prescalerIndex == 0;
  v.lblWDT.visible = pic16 && s.prescalerIndex >= 1;
  v.cbPost.index = s.postscalerIndex;
  v.cbPost.enabled = v.txtPostBits.enabled = facts.hasPostscaler;
  v.cbPost.backColor = v.txtPostBits.backColor = scalerColor(s.postscalerIndex);
  v.lblOff2.visible = s.postscalerIndex == 0;
  v.cbComment.index = static_cast<int>(s.language);

  v.frPreload.caption = preloadCaption(facts, s.timer);
  v.sl1.value = v.sl1.selStart = s.preload;
  v.sl1.max = maxPreload(s.width);
  v.sl1.tick = s.width == Width::Bits8 ? 10 : 1000;
  v.slTimeout.value = s.timeout;
  v.lblAdjust.visible = s.overhead.value > 0 || s.timeout > 0 || s.tmr0Adjust || s.pr2Adjust;
  v.Ts1.index = s.timer + 1;
  renderDevice(s, v);
}

// The text boxes, the listings among them.
void renderBoxes(const WindowState& s, const TimerSettings& settings, const TimerResult& r, WindowView& v) {
  const std::pair<TextBoxView*, Box> boxes[] = {
      {&v.txtFreq, Box::Freq},         {&v.txtPreBits, Box::PreBits},     {&v.txtPostBits, Box::PostBits},
      {&v.txtRegVal, Box::RegVal},     {&v.txtTimeout, Box::Timeout},     {&v.txtOverhead, Box::Overhead},
      {&v.txtHexH, Box::HexH},         {&v.txtHexL, Box::HexL},           {&v.txtDecH, Box::DecH},
      {&v.txtDecL, Box::DecL},         {&v.txtBin, Box::Bin},             {&v.txtSearchInt, Box::SearchInt},
      {&v.txtSearchFreq, Box::SearchFreq},
  };
  for (const auto& [view, box] : boxes) {
    view->text = boxText(s, box);
    view->selLength = s.selectionLength[index(box)];
  }
  ListingRequest request{settings, r, s.periodUnit, s.frequencyUnit, s.language, "\r\n", s.listed};
  request.shown.overhead = s.overhead.text;
  if (s.device) {
    // Only the selected timer's: the chip's listing tabs each select their timer.
    for (TextBoxView& box : v.txtTimer) box.visible = false;
    v.device.listing.text = deviceListing(request, *s.device, *s.device->timer(s.timer));
    v.device.listing.visible = true;
    return;
  }
  for (int t = 0; t < kTimerCount; ++t) {
    TextBoxView& box = v.txtTimer[static_cast<std::size_t>(t)];
    const auto& typed = s.typedOverBox(listingBox(t));
    box.text = typed ? *typed : listing(request, t);
    box.visible = t == s.timer;
    box.selLength = s.selectionLength[index(listingBox(t))];
  }
}

// The results and their units.
void renderResults(const WindowState& s, const TimerSettings& settings, const TimerResult& r, WindowView& v) {
  const TimerSpec& facts = factsOf(s);
  v.lblChip.caption = chipText(settings, r, s.periodUnit);
  v.lblCycle.caption = tickText(r.tickUs, s.cycleUnit, s.tickShownByUnitClick);
  v.lblFreq.caption = clockText(r.tickHz, s.tickFrequencyUnit);
  v.lblClockFreq.caption = clockText(r.clockHz, s.clockUnit);
  v.lblInterrupt.caption = shownPeriod(r.periodNs, s.periodUnit);
  v.lblHz.caption = shownFrequency(r.frequencyHz, s.frequencyUnit);
  v.lblTicks2Int.caption = countCaption(facts, s.timer);
  v.lblToInterrupt.caption = facts.countsToMatch() ? integerText(s.preload) : plainNumber(r.registerCount);
  v.lblMin.caption = limitPeriodText(r.limits.minPeriodNs, s.periodUnit);
  v.lblMax.caption = limitPeriodText(r.limits.maxPeriodNs, s.periodUnit);
  v.lblMinFreq.caption = limitFrequencyText(r.limits.minFreqHz, s.frequencyUnit);
  v.lblMaxFreq.caption = limitFrequencyText(r.limits.maxFreqHz, s.frequencyUnit);
  if (s.searchReport) v.lblSearchError.caption = searchReportText(*s.searchReport);

  v.LabelCycle.caption = text(caption(s.cycleUnit));
  v.LabelHz.caption = text(caption(s.tickFrequencyUnit));
  v.LabelHz2.caption = text(caption(s.clockUnit));
  v.lblInputOSC.caption = text(caption(s.inputUnit));
  v.btnInterrupt.caption = v.btnSearchInt.caption = v.lblMinTxt.caption = v.lblMaxTxt.caption =
      text(caption(s.periodUnit));
  v.btnHertz.caption = v.btnSearchHertz.caption = v.lblMinTxtFreq.caption = v.lblMaxTxtFreq.caption =
      text(caption(s.frequencyUnit));
}

RecordView recordOf(const WindowState& s, const TimerSettings& settings, const TimerResult& r) {
  RecordView a;
  a.OscFreq = s.osc.value;
  a.PreScale = settings.prescale;
  a.PostScale = settings.postscale;
  a.PreOff = s.prescalerIndex == 0;
  a.TickFreq = r.tickHz;
  a.TickTime = r.tickUs;
  a.ClockFreq = r.clockHz;
  a.MinPeriod = r.limits.minPeriodNs;
  a.MaxPeriod = r.limits.maxPeriodNs;
  a.MaxPeriodPre1 = r.limits.maxPeriodPre1Ns;
  a.MinFreq = r.limits.minFreqHz;
  a.MaxFreq = r.limits.maxFreqHz;
  a.TimerNo = a.TimerNoInt = s.timer;
  a.TimerMode = static_cast<int>(s.width);
  a.PeriodUnit = factor(s.periodUnit);
  a.FreqUnit = factor(s.frequencyUnit);
  const ListingSyntax& syntax = syntaxOf(s.language);
  a.CmtMark = syntax.CmtMark;
  a.AssignOp = syntax.AssignOp;
  a.BinPrefix = syntax.BinPrefix;
  a.HexPrefix = syntax.HexPrefix;
  a.StmtEnd = syntax.StmtEnd;
  return a;
}

}  // namespace

WindowView render(const WindowState& s) {
  static const WindowView base = fixedView();
  WindowView v = base;
  const TimerSettings settings = settingsOf(s);
  const TimerResult r = evaluate(settings);
  renderChoices(s, v);
  renderBoxes(s, settings, r, v);
  renderResults(s, settings, r, v);
  v.record = recordOf(s, settings, r);
  return v;
}

}  // namespace tickwell
