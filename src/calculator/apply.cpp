// apply(state, action): what each user action does to the window's state.
//
// The window's defined behaviour is a chain of small rules: an input that
// changes corrects itself, the units follow the oscillator entry, the clock
// falls back to Hz when it would show 0, the TMR0 adjustment switches itself
// off below its step, a timer keeps its inputs while another is shown. The
// Editor below applies those rules to one state value, in the order the
// window defines, and nothing but state changes: what the state shows is
// render's business.
#include <algorithm>
#include <string>

#include "app/number_text.h"
#include "app/units.h"
#include "app/utf8.h"
#include "calculator/apply.h"
#include "app/oscillator_entry.h"
#include "calculator/render.h"
#include "search/search.h"

namespace tickwell {

namespace {

using namespace action;

constexpr int kMaxTimeout = 15;
constexpr int kMaxOverhead = 32767;
// The adjustment boxes add their cycles only below these preloads (the 8-bit
// count less the cycles added).
constexpr int kTmr0AdjustCeiling = 254;
constexpr int kPr2AdjustCeiling = 255;

const char* const kNotExact = "No exact match found! Setting nearest value.   ";

// A shown value converted to the next unit of its ring: each step up divides
// it by 1000; the step from the largest unit back to the smallest multiplies
// it by the largest unit's factor.
template <class Unit>
double toNextUnit(double shown, Unit from, Unit to) {
  return factor(to) < factor(from) ? shown * (factor(from) / factor(to)) : shown / 1000;
}

class Editor {
public:
  explicit Editor(const WindowState& state) : s_(state), shownClock_(clockCaption(state)) {}

  Outcome done() { return {std::move(s_), std::move(message_), exit_}; }

  void run(const SelectTimer& a) { selectTimer(a.timer); }
  void run(const SelectWidth& a) { selectWidth(a.width); }
  void run(const SelectFamily& a) { selectFamily(a.family); }
  void run(const SelectDevice& a) { selectDevice(a.name); }
  void run(const SelectOscillator& a) { selectOscillator(a.preset); }
  void run(const Type& a) { type(a.box, a.text); }
  void run(const Focus& a) {
    // A box the user types into selects its whole text on getting the focus;
    // the listing boxes keep their selection.
    if (index(a.box) >= index(Box::Listing0)) return;
    s_.selectionLength[index(a.box)] = static_cast<int>(utf8::length(boxText(s_, a.box)));
  }
  void run(const Toggle& a) {
    switch (a.check) {
      case Check::Fosc4:
        if (offersOscillatorCount(s_)) setFosc4(!s_.fosc4);
        break;
      case Check::Tmr0Adjust: setTmr0Adjust(!s_.tmr0Adjust); break;
      case Check::Pr2Adjust: setPr2Adjust(!s_.pr2Adjust); break;
      case Check::UseActualScalers: s_.useActualScalers = !s_.useActualScalers; break;
    }
  }
  void run(const Pick& a) {
    switch (a.list) {
      case List::Prescaler: prescalerChosen(a.index); break;
      case List::Postscaler: postscalerChosen(a.index); break;
      case List::Language:
        s_.language = static_cast<ListingLanguage>(a.index);
        recalculate();
        break;
    }
  }
  void run(const Slide& a) {
    if (a.slider == SliderId::Preload) {
      setPreload(a.value);
    } else {
      s_.timeout = static_cast<int>(std::clamp<long long>(a.value, 0, kMaxTimeout));
    }
    recalculate();
  }
  void run(const Press& a);
  void run(const ApplySettings& a) {
    applySettings(a.settings);
    if (!a.wanted) return;
    const TimerResult r = evaluate(settingsOf(s_));
    report(a.wanted->quantity, a.wanted->quantity == Quantity::Period ? r.periodNs : r.frequencyHz, a.wanted->value);
  }
  void run(const ConfirmReset&) {
    resetDefaults();
    recalculate();
  }
  void run(const ConfirmExit&) { exit_ = true; }
  void run(const RefuseSearch& a) {
    setSearchText(a.quantity, "0");
    selectSearchEntry();
  }

private:
  static std::size_t index(Box b) { return static_cast<std::size_t>(b); }
  const TimerSpec& facts() const { return factsOf(s_); }
  int maxPreloadNow() const { return maxPreload(s_.width); }
  void setPreload(long long value) { s_.preload = static_cast<int>(std::clamp<long long>(value, 0, maxPreloadNow())); }
  void ask(std::string prompt, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
           std::optional<Action> onOk = std::nullopt) {
    message_ = Message{std::move(prompt), icon, buttons, std::move(onOk)};
  }

  // --- the recalculation and the clock display

  // What every recalculation changes besides what it shows: the views it
  // writes drop what was typed over them, and below its step the TMR0
  // adjustment switches itself off, moving the preload back.
  void recalculate() {
    // What a search achieved describes the window until it changes.
    s_.searchReport.reset();
    s_.tickShownByUnitClick = false;
    showClock(clockFrequency(settingsOf(s_)));
    for (Box b : {Box::HexH, Box::HexL, Box::DecH, Box::DecL, Box::Bin}) s_.typedOverBox(b).reset();
    listingsWritten();
    if (!facts().countsToMatch() && s_.tmr0Adjust && s_.preload < timerSpec(0).writeLossCycles) {
      s_.tmr0Adjust = false;
      tmr0AdjustClicked();
    }
  }

  // The listings are written anew: from the bit and preset boxes as they
  // stand now, over anything typed into the listing boxes.
  void listingsWritten() {
    for (int t = 0; t < kTimerCount; ++t) s_.typedOverBox(listingBox(t)).reset();
    s_.listed.prescalerBits = s_.typedOverBox(Box::PreBits);
    s_.listed.postscalerBits = s_.typedOverBox(Box::PostBits);
    s_.listed.presetHigh = s_.typedOverBox(Box::HexH);
    s_.listed.presetLow = s_.typedOverBox(Box::HexL);
  }

  // The clock caption is shown anew: a caption that changes to one that
  // shows 0 (or any change while the oscillator is below 1 Hz) turns the
  // clock's unit to Hz.
  void showClock(double clockHz) {
    std::string caption = clockCaptionOf(clockHz, s_.clockUnit);
    while (caption != shownClock_) {
      shownClock_ = caption;
      if (roundToDecimals(clockHz / factor(s_.clockUnit), 0) == 0 || s_.osc.value < 1)
        s_.clockUnit = FrequencyUnit::Hertz;
      caption = clockCaptionOf(clockHz, s_.clockUnit);
    }
  }
  void showClockNow() { showClock(clockFrequency(settingsOf(s_))); }

  // --- oscillator

  void selectOscillator(int preset) {
    if (preset == s_.oscPreset) return;
    s_.oscPreset = preset;
    if (preset < kOtherOscPreset) setOscText(kOscPresetTexts[static_cast<std::size_t>(preset)]);
    oscTextChanged();
  }

  void setOscText(const std::string& text) {
    if (text == s_.osc.text) return;
    s_.osc.text = text;
    oscTextChanged();
  }

  // The entry falls back to 4 (MHz) for a text it refuses; its unit follows
  // the number typed, and the clock's unit follows the entry's.
  void oscTextChanged() {
    if (!oscFromText(s_.osc.text)) setOscText("4");
    const OscInput in = oscFromText(s_.osc.text).value_or(oscFromValue(4));
    setInputUnit(in.unit);
    s_.osc.value = in.oscFreq;
    recalculate();
  }

  void setInputUnit(FrequencyUnit unit) {
    if (unit == s_.inputUnit) return;
    s_.inputUnit = unit;
    s_.clockUnit = unit;
    showClockNow();
  }

  // Any of the presets, or "Other" with the text entered.
  void enterOscillator(const std::string& text) {
    for (int i = 0; i < kOtherOscPreset; ++i) {
      if (text != kOscPresetTexts[static_cast<std::size_t>(i)]) continue;
      if (s_.oscPreset == i)
        setOscText(text);
      else
        selectOscillator(i);
      return;
    }
    selectOscillator(kOtherOscPreset);
    setOscText(text);
  }

  void setFosc4(bool on) {
    if (on == s_.fosc4) return;
    s_.fosc4 = on;
    recalculate();
  }

  // --- scalers

  void setPrescaler(int i) {
    if (i != s_.prescalerIndex) prescalerChosen(i);
  }
  void prescalerChosen(int i) {
    s_.prescalerIndex = i;
    s_.typedOverBox(Box::PreBits).reset();
    recalculate();
  }
  void setPostscaler(int i) {
    if (i != s_.postscalerIndex) postscalerChosen(i);
  }
  void postscalerChosen(int i) {
    s_.postscalerIndex = i;
    s_.typedOverBox(Box::PostBits).reset();
    recalculate();
  }

  // --- adjustments: TMR0 Adjust moves the preload by two cycles of the
  // prescaler (2 x 2^k for list entry k), PR2 Adjust by one.

  void setTmr0Adjust(bool on) {
    if (on == s_.tmr0Adjust) return;
    s_.tmr0Adjust = on;
    tmr0AdjustClicked();
  }
  void tmr0AdjustClicked() {
    const long long step = static_cast<long long>(timerSpec(0).writeLossCycles) << s_.prescalerIndex;
    adjustClicked(s_.tmr0Adjust, step, kTmr0AdjustCeiling);
  }
  void setPr2Adjust(bool on) {
    if (on == s_.pr2Adjust) return;
    s_.pr2Adjust = on;
    adjustClicked(on, timerSpec(2).matchLossCycles, kPr2AdjustCeiling);
  }
  void adjustClicked(bool on, long long step, int ceiling) {
    if (!on)
      setPreload(s_.preload - step);
    else if (s_.preload < ceiling)
      setPreload(s_.preload + step);
    recalculate();
  }

  // --- timer, width, family

  void selectWidth(Width width) {
    if (width == s_.width || (s_.device && !offersWidth(s_, width))) return;
    s_.width = width;
    // The width decides the generic family where it exists on one family
    // only: 8-Bit means PIC16, a 16-bit Timer0 means PIC18. A chip's family
    // stays.
    const auto f = width == Width::Bits8 ? facts().familyOf8Bit : facts().familyOf16Bit;
    if (f && !s_.device) selectFamily(*f);
    s_.preload = 0;
    recalculate();
  }

  void selectFamily(Family family) {
    if (family == s_.family || s_.device) return;
    s_.family = family;
    // PIC16 means 8-Bit where the timer has it.
    if (family == Family::PIC16 && facts().has8Bit) selectWidth(Width::Bits8);
    listingsWritten();
  }

  // The timer shown before keeps its inputs; the new one starts from its
  // defaults and takes back what it kept. On the way the width passes 8-Bit
  // (which selects PIC16) before the timer's own width, and the clock shows
  // the oscillator at 1:1 before the timer's scalers.
  void selectTimer(int timer) {
    if (timer == s_.timer || !offersTimer(timer)) return;
    const TimerSpec& from = facts();
    s_.saved[static_cast<std::size_t>(s_.timer)] = {
        s_.width, s_.prescalerIndex, s_.postscalerIndex, s_.timeout, s_.overhead,
        from.writeLossCycles > 0 ? s_.tmr0Adjust : from.matchLossCycles > 0 && s_.pr2Adjust, s_.preload};
    const bool oldPostscalerSet = s_.postscalerIndex != 0;
    const bool wasWide = s_.width == Width::Bits16;

    s_.timer = timer;
    const TimerSpec& to = facts();
    const SavedTimerInputs& kept = s_.saved[static_cast<std::size_t>(timer)];
    if (s_.device) {
      const bool both = offersWidth(s_, Width::Bits8) && offersWidth(s_, Width::Bits16);
      s_.width = both ? kept.width : offersWidth(s_, Width::Bits8) ? Width::Bits8 : Width::Bits16;
      if (!offersOscillatorCount(s_)) s_.fosc4 = true;
    } else {
      if (wasWide) s_.family = *to.familyOf8Bit;
      if (to.onlyOn) s_.family = *to.onlyOn;
      s_.width = to.has8Bit && to.has16Bit ? kept.width : to.has8Bit ? Width::Bits8 : Width::Bits16;
      if (s_.width == Width::Bits16 && to.familyOf16Bit) s_.family = *to.familyOf16Bit;
    }
    s_.prescalerIndex = kept.prescalerIndex;
    s_.postscalerIndex = to.hasPostscaler ? kept.postscalerIndex : 0;
    s_.timeout = kept.timeout;
    s_.overhead = kept.overhead;
    s_.tmr0Adjust = to.writeLossCycles > 0 && kept.adjust;
    s_.pr2Adjust = to.matchLossCycles > 0 && kept.adjust;
    setPreload(kept.preload);

    s_.typedOverBox(Box::PreBits).reset();
    if (oldPostscalerSet || s_.postscalerIndex != 0) s_.typedOverBox(Box::PostBits).reset();
    setSearchText(Quantity::Period, "0");
    const double osc = s_.osc.value;
    showClock(osc);
    showClock(osc / to.prescalers[static_cast<std::size_t>(s_.prescalerIndex)].ratio);
    recalculate();
  }

  // A generic timer 0..3, or a timer of the chip that the program supports.
  bool offersTimer(int timer) const {
    if (!s_.device) return timer >= 0 && timer < kTimerCount;
    const DeviceTimer* t = s_.device->timer(timer);
    return t && t->supported();
  }

  // The timer a chip (or the generic window) starts on: its first supported one.
  static int firstTimer(const Device* device) {
    if (!device) return 0;
    const DeviceTimer* first = device->firstSupported();
    return first ? first->number : -1;
  }

  // --- device

  void selectDevice(const std::string& name) {
    const Device* device = nullptr;
    Family family = Family::PIC16;
    if (name == kGenericFamilyNames[1]) {
      family = Family::PIC18;
    } else if (name != kGenericFamilyNames[0]) {
      device = findDevice(name);
      if (!device) device = firstHolding(name);
      if (!device) return ask(unknownDeviceText(name), MsgIcon::Information);
      if (const auto why = device->refusal())
        return ask(std::string(device->name) + " cannot be chosen: " + std::string(*why) + ".", MsgIcon::Information);
      if (firstTimer(device) < 0)
        return ask(std::string(device->name) + " has no timer this program supports yet.", MsgIcon::Information);
      family = device->family();
    }
    if (!device && !s_.device) return selectFamily(family);  // as the family options do
    if (device == s_.device) return;
    // Another chip, or back to a generic family: its first timer from its
    // defaults, every timer's inputs forgotten; the oscillator, the units and
    // the search stay.
    s_.device = device;
    s_.family = family;
    s_.timer = firstTimer(device);
    s_.width = offersWidth(s_, Width::Bits8) ? Width::Bits8 : Width::Bits16;
    s_.prescalerIndex = s_.postscalerIndex = s_.preload = s_.timeout = 0;
    s_.tmr0Adjust = s_.pr2Adjust = false;
    s_.overhead = {"0", 0};
    s_.saved = {};
    if (!offersOscillatorCount(s_)) s_.fosc4 = true;
    s_.typedOverBox(Box::PreBits).reset();
    s_.typedOverBox(Box::PostBits).reset();
    recalculate();
  }

  // The first chip that holds a part of a name, as the chooser's filtered
  // list shows them ("18f45": PIC18F4510).
  static const Device* firstHolding(const std::string& part) {
    if (part.empty()) return nullptr;
    for (const Device* d : devicesMatching(part))
      if (!d->refusal()) return d;
    return nullptr;
  }

  static std::string unknownDeviceText(const std::string& name) {
    std::string text = "No device is called \"" + name + "\". The nearest:";
    for (const std::string_view near : nearestDevices(name)) (text += text.ends_with(':') ? " " : ", ") += near;
    return text + ".";
  }

  // --- texts typed

  void type(Box box, const std::string& typed) {
    switch (box) {
      case Box::Freq: {
        const std::string kept(utf8::first(typed, kOscEntryLength));
        selectOscillator(kOtherOscPreset);
        setOscText(kept);
        return;
      }
      case Box::RegVal: return preloadTyped(typed);
      case Box::Timeout: return timeoutTyped(typed);
      case Box::Overhead: return setOverheadText(typed);
      case Box::SearchInt: return setSearchText(Quantity::Period, typed);
      case Box::SearchFreq: return setSearchText(Quantity::Frequency, typed);
      default:
        // A box the window writes keeps what was typed until it writes it again.
        s_.typedOverBox(box) = typed;
        return;
    }
  }

  void preloadTyped(const std::string& typed) {
    if (typed == integerText(s_.preload)) return;
    // Not a number: 0; above the slider: its maximum.
    std::string text = isNumeric(typed) ? typed : "0";
    if (parseNumber(text).value_or(0) > maxPreloadNow()) text = integerText(maxPreloadNow());
    setPreload(wholeValue(parseNumber(text).value_or(0)));
    recalculate();
  }

  void timeoutTyped(const std::string& typed) {
    if (typed == integerText(s_.timeout)) return;
    const double v = parseNumber(typed).value_or(0);
    s_.timeout = static_cast<int>(std::clamp<long long>(wholeValue(v), 0, kMaxTimeout));
    recalculate();
  }

  void setOverheadText(const std::string& typed) {
    if (typed == s_.overhead.text) return;
    std::string text = typed;
    if (!isNumeric(text))
      text = "0";
    else if (const double v = *parseNumber(text); v > kMaxOverhead)
      text = std::to_string(kMaxOverhead);
    else if (v < 0)
      text = "0";
    s_.overhead = {text, leadingValue(text)};
    recalculate();
  }

  // At most one of the two search entries holds a wanted value; editing one
  // clears what the last search reported.
  std::string& searchText(Quantity q) {
    return q == Quantity::Period ? s_.searchPeriodText : s_.searchFrequencyText;
  }
  void setSearchText(Quantity q, const std::string& text) {
    std::string& entry = searchText(q);
    if (text == entry) return;
    entry = text;
    s_.searchReport.reset();
    if (!IsEmptyOrNumeric(entry) || entry.empty()) setSearchText(q, "0");
    if (entry != "0") setSearchText(q == Quantity::Period ? Quantity::Frequency : Quantity::Period, "0");
  }

  // --- search

  void selectSearchEntry() {
    s_.selectionLength[index(Box::SearchInt)] = static_cast<int>(utf8::length(s_.searchPeriodText));
  }

  void search() {
    if (s_.searchPeriodText != "0") searchForPeriod();
    if (!message_ && s_.searchFrequencyText != "0") searchForFrequency();
    if (!message_ || !message_->onOk) selectSearchEntry();
  }

  // The result and the search entry share their unit and step together; the
  // wanted value is converted.
  template <class Unit>
  void stepUnit(Quantity q, Unit& unit) {
    const Unit from = unit;
    unit = next(from);
    setSearchText(q, plainNumber(toNextUnit(readShown(searchText(q)), from, unit)));
    recalculate();
  }

  void searchForPeriod();
  void searchForFrequency();
  void report(Quantity quantity, double achieved, double wanted) {
    s_.searchReport = SearchReport{quantity, achieved, wanted, s_.periodUnit, s_.frequencyUnit};
  }

  // --- defaults

  void resetTimerInputs() {
    selectWidth(Width::Bits8);
    setPrescaler(0);
    setPostscaler(0);
    s_.preload = 0;
    setTmr0Adjust(false);
    setPr2Adjust(false);
    s_.timeout = 0;
    setOverheadText("0");
    setSearchText(Quantity::Period, "0");
  }

  void resetDefaults() {
    s_.clockUnit = FrequencyUnit::Megahertz;
    selectOscillator(kDefaultOscPreset);
    setFosc4(true);
    selectTimer(firstTimer(s_.device));
    selectFamily(Family::PIC16);
    resetTimerInputs();
    s_.saved = {};
  }

  void applySettings(const TimerSettings& t);

  WindowState s_;
  std::string shownClock_;  // the clock caption the window shows now
  std::optional<Message> message_;
  bool exit_ = false;
};

void Editor::run(const Press& a) {
  switch (a.command) {
    case Command::PreloadDown:
      if (s_.preload >= 1) --s_.preload;
      return recalculate();
    case Command::PreloadUp:
      if (s_.preload < maxPreloadNow()) ++s_.preload;
      return recalculate();
    case Command::PreloadMax:
      s_.preload = maxPreloadNow();
      return recalculate();
    case Command::PreloadMin:
      s_.preload = 0;
      return recalculate();
    case Command::Search: return search();
    case Command::ResetValues:
      return ask("Please confirm to reset all values.   ", MsgIcon::Question, MsgButtons::OkCancel, ConfirmReset{});
    case Command::Exit:
      return ask("Please confirm to exit this programm!   ", MsgIcon::Question, MsgButtons::OkCancel, ConfirmExit{});
    case Command::CycleUnit:
      // Re-shown at once; in ns without a leading zero until recalculated.
      s_.tickShownByUnitClick = s_.cycleUnit == TimeUnit::Microseconds;
      s_.cycleUnit = s_.cycleUnit == TimeUnit::Microseconds ? TimeUnit::Nanoseconds : TimeUnit::Microseconds;
      return;
    case Command::TickFrequencyUnit: s_.tickFrequencyUnit = next(s_.tickFrequencyUnit); return showClockNow();
    case Command::ClockUnit: s_.clockUnit = next(s_.clockUnit); return showClockNow();
    case Command::InputUnit:
      s_.inputUnit = next(s_.inputUnit);
      s_.clockUnit = s_.inputUnit;
      return showClockNow();
    case Command::PeriodUnit: return stepUnit(Quantity::Period, s_.periodUnit);
    case Command::FrequencyUnit: return stepUnit(Quantity::Frequency, s_.frequencyUnit);
  }
}

void Editor::searchForPeriod() {
  s_.searchReport.reset();
  const TimerSettings before = settingsOf(s_);
  const double wanted = readShown(s_.searchPeriodText) * factor(s_.periodUnit);
  const std::optional<int> keep = s_.useActualScalers ? std::optional<int>(s_.prescalerIndex) : std::nullopt;
  const SearchOutcome outcome = searchPeriod(before, wanted, keep);
  if (const auto* failure = std::get_if<SearchFailure>(&outcome)) {
    switch (*failure) {
      case SearchFailure::AboveMaximum:
        return ask("Number input is higher than max. interrupt.\r\nUse 16-Bit or counter in loop!", MsgIcon::Critical,
                   MsgButtons::Ok, RefuseSearch{Quantity::Period});
      case SearchFailure::BelowMinimum:
        return ask("Number input is lower than min. interrupt.\r\nUse min. " +
                       plainNumber(evaluate(before).limits.minPeriodNs) + " ns or higher",
                   MsgIcon::Critical, MsgButtons::Ok, RefuseSearch{Quantity::Period});
      case SearchFailure::NoPrescaler: return ask("Wrong input data !", MsgIcon::Critical);
    }
  }
  const SearchResult& found = std::get<SearchResult>(outcome);
  if (found.postscalerIndex) setPostscaler(*found.postscalerIndex);
  // A preload outside the slider's range is cut to the nearest limit; the
  // check below then reports the inexact result.
  setPreload(wholeValue(found.preload));
  setPrescaler(found.prescalerIndex);
  recalculate();
  const double achieved = evaluate(settingsOf(s_)).periodNs;
  report(Quantity::Period, achieved, wanted);
  if (!showsExactly(wanted, achieved, s_.periodUnit)) ask(kNotExact, MsgIcon::Information);
}

void Editor::searchForFrequency() {
  s_.searchReport.reset();
  const TimerSettings before = settingsOf(s_);
  const double wanted = readShown(s_.searchFrequencyText) * factor(s_.frequencyUnit);
  const SearchOutcome outcome = searchFrequency(before, wanted);
  if (const auto* failure = std::get_if<SearchFailure>(&outcome)) {
    if (*failure == SearchFailure::AboveMaximum)
      return ask("Number input is higher than max. frequency.\r\nUse 16-Bit, counter in loop or change scaler!",
                 MsgIcon::Critical, MsgButtons::Ok, RefuseSearch{Quantity::Frequency});
    return ask("Number input is lower than min. frequency.\r\nUse min. " +
                   plainNumber(evaluate(before).limits.minFreqHz) + " Hz or higher",
               MsgIcon::Critical, MsgButtons::Ok, RefuseSearch{Quantity::Frequency});
  }
  setPreload(wholeValue(std::get<SearchResult>(outcome).preload));
  recalculate();
  const double achieved = evaluate(settingsOf(s_)).frequencyHz;
  report(Quantity::Frequency, achieved, wanted);
  if (!showsExactly(wanted, achieved, s_.frequencyUnit)) ask(kNotExact, MsgIcon::Information);
}

void Editor::applySettings(const TimerSettings& t) {
  const TimerSpec& table = factsOf(t);
  if (t.oscHz != s_.osc.value) {
    if (const auto text = oscEntryText(t.oscHz)) enterOscillator(*text);
  }
  setFosc4(t.fosc4);
  selectTimer(t.timer);
  if (table.has8Bit && table.has16Bit) selectWidth(t.width);
  selectFamily(t.family);
  setPrescaler(table.prescalerIndex(t.prescale).value_or(0));
  if (table.hasPostscaler) setPostscaler(static_cast<int>(t.postscale) - 1);
  s_.timeout = static_cast<int>(t.timeout);
  recalculate();
  setOverheadText(plainNumber(t.overhead));
  // The boxes come before the preload, which already holds their adjustment.
  setTmr0Adjust(table.writeLossCycles > 0 && t.tmr0Adjust);
  setPr2Adjust(table.matchLossCycles > 0 && t.pr2Adjust);
  setPreload(t.preload);
  recalculate();
}

}  // namespace

Outcome apply(const WindowState& state, const Action& action) {
  Editor editor(state);
  std::visit([&editor](const auto& a) { editor.run(a); }, action);
  return editor.done();
}

}  // namespace tickwell
