// The reference window of the oscillator modes of the PIC16 and PIC18
// families: pick a mode, read its description. Created once; Close hides it,
// so it comes back as it was left.
#pragma once

#include <QDialog>
#include <array>
#include <string_view>

#include "forms/platform.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tickwell {

struct OscMode {
  std::string_view caption;
  std::string_view description;
};

// Indices 0..7 are the PIC16 modes, 8..19 the PIC18 modes.
inline constexpr std::size_t kPic16ModeCount = 8;
inline constexpr std::array<OscMode, 20> kOscModes{{
    {"LP", "Low-Power Crystal for 32kHz"},
    {"XT", "Crystal/Resonator for 200kHz - 4MHz"},
    {"HS", "High-Speed Crystal/Resonator for 4MHz - 20MHz"},
    {"RC", "External Resistor/Capacitor with FOSC/4 output on RA6"},
    {"RCIO", "External Resistor/Capacitor with I/O on RA6"},
    {"INTIO1", "Internal Oscillator with FOSC/4 output on RA6 and I/O on RA7"},
    {"INTIO2", "Internal Oscillator with I/O on RA6 and RA7"},
    {"ECIO", "External Clock with I/O on RA6"},
    {"XT", "Crystal/Resonator"},
    {"XTPLL", "Crystal/Resonator with PLL enabled"},
    {"HS", "High-Speed Crystal/Resonator"},
    {"HSPLL", "High-Speed Crystal/Resonator with PLL enabled"},
    {"EC", "External Clock with FOSC/4 output"},
    {"ECIO", "External Clock with I/O on RA6"},
    {"ECPLL", "External Clock with PLL enabled and FOSC/4 output on RA6"},
    {"ECPIO", "External Clock with PLL enabled, I/O on RA6"},
    {"INTHS", "Internal Oscillator used as microcontroller clock source, HS Oscillator used as USB clock source"},
    {"INTXT", "Internal Oscillator used as microcontroller clock source, XT Oscillator used as USB clock source"},
    {"INTIO",
     "Internal Oscillator used as microcontroller clock source, EC Oscillator used as USB clock source, digital I/O on RA6"},
    {"INTCKO",
     "Internal Oscillator used as microcontroller clock source, EC Oscillator used as USB clock source, FOSC/4 output on RA6"},
}};

class OscModeWindow : public QDialog {
  Q_OBJECT

public:
  explicit OscModeWindow(Platform& platform, QWidget* parent = nullptr);

  int currentTab() const { return CurTab; }  // 1 = PIC16 Series, 2 = PIC18 Series
  int selectedMode() const;                  // index into kOscModes, -1 when none
  QString description() const;

  QTabWidget* tabs() const { return Ts1; }
  QRadioButton* modeButton(int index) const;
  QPushButton* closeButton() const { return cmdClose; }

  // Shows the description of a mode; an index outside the table does nothing.
  void optOSCType_Click(int index);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Ts1_Click(int tabIndex);

  Platform& platform_;
  bool placed_ = false;
  int CurTab = 1;

  QTabWidget* Ts1 = nullptr;
  std::array<QGroupBox*, 2> frMode{};
  QButtonGroup* optOSCType = nullptr;
  QLabel* lblType = nullptr;
  QPushButton* cmdClose = nullptr;
};

}  // namespace tickwell
