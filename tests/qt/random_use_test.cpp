// The real main window under a few thousand random user actions: the action
// alphabet of the fuzzer (user_actions.h), carried out with mouse clicks, key
// presses, typing, pasting and slider moves on the widgets. After each action
// every widget must show what the window model holds, and the model's
// invariants must hold.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <memory>
#include <random>
#include <sstream>

#include "app/startup.h"
#include "calculator/calculator.h"
#include "invariants.h"
#include "main_window.h"
#include "test_support.h"
#include "user_actions.h"

namespace tickwell {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool yellow(QWidget* w, QPalette::ColorRole role) { return w->palette().color(role) == QColor(255, 255, 0); }

// Where a check box or radio button takes a click: its indicator and text,
// not the middle of a widget its layout stretched.
QPoint clickPoint(QAbstractButton* b) {
  QStyleOptionButton option;
  option.initFrom(b);
  const auto element = qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect;
  return b->style()->subElementRect(element, &option, b).center();
}

class RandomUseTest : public test::MainWindowTestBase {
protected:
  template <class W>
  W* widget(const std::string& name) {
    return qobject_cast<W*>(window->widget(name));
  }
  bool shown(QWidget* w) { return w && w->isVisibleTo(window.get()) && w->isEnabled(); }

  // Carries out one scenario line with the real widgets, as a user would.
  void perform(const std::string& line, std::mt19937& rng) {
    std::istringstream in(line);
    std::string command, name;
    in >> command >> name;
    if (command == "answer") {
      platform.answer = name == "ok" ? MsgAnswer::Ok : MsgAnswer::Cancel;
    } else if (command == "type") {
      const std::string text = line.size() > 6 + name.size() ? line.substr(6 + name.size()) : std::string();
      auto* edit = widget<QLineEdit>(name);
      if (!shown(edit) || edit->isReadOnly()) return;
      edit->setFocus();
      QApplication::processEvents();
      edit->selectAll();
      const bool plain = text.size() <= 16 && std::all_of(text.begin(), text.end(), [](char c) { return c >= 32 && c < 127; });
      if (text.empty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
      } else if (plain && rng() % 2) {
        QTest::keyClicks(edit, qs(text));
      } else {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      }
    } else if (command == "click") {
      QWidget* w = window->widget(name);
      if (!shown(w)) return;
      if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (rng() % 4 == 0 && b->focusPolicy() != Qt::NoFocus) {
          b->setFocus();
          QTest::keyClick(b, Qt::Key_Space);
        } else {
          const bool indicator = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
          QTest::mouseClick(b, Qt::LeftButton, {}, indicator ? clickPoint(b) : b->rect().center());
        }
      } else {
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
      }
    } else if (command == "pick") {
      auto* combo = widget<QComboBox>(name);
      int index = 0;
      in >> index;
      if (!shown(combo) || index >= combo->count()) return;
      combo->setCurrentIndex(index);
      emit combo->activated(index);
    } else if (command == "slide") {
      auto* slider = widget<QSlider>(name);
      long long value = 0;
      in >> value;
      if (!shown(slider)) return;
      if (rng() % 3 == 0) {
        slider->setFocus();
        QTest::keyClick(slider, rng() % 2 ? Qt::Key_Right : Qt::Key_PageDown);
      } else {
        slider->setValue(static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)));
      }
    } else if (command == "tab") {
      auto* tabs = widget<QTabBar>(name);
      int index = 1;
      in >> index;
      if (shown(tabs)) QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index - 1).center());
    } else if (command == "focus") {
      if (QWidget* w = window->widget(name); shown(w)) w->setFocus();
    }
    QApplication::processEvents();
  }

  // Every widget against the control it shows, one line per difference.
  std::vector<std::string> mismatches() {
    std::vector<std::string> out;
    auto differ = [&](const std::string& name, const std::string& what) { out.push_back(name + ": " + what); };
    for (const auto& nc : calc->controls()) {
      const std::string& name = nc.name;
      std::visit(
          [&](auto c) {
            using T = std::remove_pointer_t<decltype(c)>;
            if constexpr (std::is_same_v<T, TextBox>) {
              if (name.starts_with("txtTimer(")) {
                if (!c->visible) return;
                auto* box = widget<QPlainTextEdit>("txtTimer");
                QString expected = qs(c->text());
                expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                if (box->toPlainText() != expected) differ(name, "listing differs");
                return;
              }
              auto* edit = widget<QLineEdit>(name);
              if (edit->text() != qs(c->text())) differ(name, "text " + edit->text().toStdString());
              if (edit->isEnabled() != c->enabled) differ(name, "enabled");
              if (edit->isVisibleTo(window.get()) != c->visible) differ(name, "visible");
              if (yellow(edit, QPalette::Base) != (c->backColor == BackColor::Yellow)) differ(name, "colour");
            } else if constexpr (std::is_same_v<T, Label>) {
              auto* label = widget<QLabel>(name);
              if (label->text() != qs(c->caption())) differ(name, "caption " + label->text().toStdString());
              if (label->isVisibleTo(window.get()) != c->visible) differ(name, "visible");
            } else if constexpr (std::is_same_v<T, Button>) {
              auto* b = widget<QPushButton>(name);
              if (b->text() != qs(c->caption)) differ(name, "caption");
              if (b->isEnabled() != c->enabled || b->isVisibleTo(window.get()) != c->visible) differ(name, "state");
            } else if constexpr (std::is_same_v<T, CheckBox>) {
              auto* b = widget<QCheckBox>(name);
              if (b->isChecked() != (c->value() == 1)) differ(name, "checked");
              if (b->isEnabled() != c->enabled || b->isVisibleTo(window.get()) != c->visible) differ(name, "state");
            } else if constexpr (std::is_same_v<T, OptionRef>) {
              const OptionButton& o = (*c.group)[c.index];
              auto* r = widget<QRadioButton>(name);
              if (r->isChecked() != o.value) differ(name, "checked");
              if (r->font().bold() != o.bold) differ(name, "bold");
              if (r->isEnabled() != o.enabled || r->isVisibleTo(window.get()) != o.visible) differ(name, "state");
            } else if constexpr (std::is_same_v<T, ComboBox>) {
              auto* combo = widget<QComboBox>(name);
              if (combo->count() != c->count() || combo->currentIndex() != c->index()) differ(name, "entries or index");
              else if (c->index() >= 0 && combo->currentText() != qs(c->text())) differ(name, "text");
              if (combo->isEnabled() != c->enabled) differ(name, "enabled");
              if (yellow(combo, QPalette::Button) != (c->backColor == BackColor::Yellow)) differ(name, "colour");
            } else if constexpr (std::is_same_v<T, Slider>) {
              auto* s = widget<QSlider>(name);
              if (s->value() != c->value() || s->maximum() != c->max()) differ(name, "value or maximum");
            } else if constexpr (std::is_same_v<T, TabStrip>) {
              if (widget<QTabBar>(name)->currentIndex() != c->index() - 1) differ(name, "tab");
            } else if constexpr (std::is_same_v<T, Frame>) {
              if (widget<QGroupBox>(name)->title() != qs(c->caption)) differ(name, "caption");
            } else if constexpr (std::is_same_v<T, Panel>) {
              if (window->widget(name)->isVisibleTo(window.get()) != c->visible) differ(name, "visible");
            } else if constexpr (std::is_same_v<T, WindowCaption>) {
              if (window->windowTitle() != qs(c->caption)) differ(name, "title");
            }
          },
          nc.control);
    }
    return out;
  }

  std::string replay() const {
    std::string s;
    for (const auto& l : history) s += "  " + l + "\n";
    return s;
  }

  std::vector<std::string> history;
};

// Buttons whose only effect is another window (the view opens it modally) or
// the end of the program are left out: this test stays on the main window.
bool leavesTheWindow(const Calculator& c, const std::string& line) {
  if (!line.starts_with("click ")) return false;
  const std::string name = line.substr(6);
  if (name == "cmdExit") return true;
  for (const auto& nc : c.controls())
    if (nc.name == name)
      if (auto* const* b = std::get_if<Button*>(&nc.control)) return !(*b)->onClick;
  return false;
}

TEST_F(RandomUseTest, WidgetsShowTheModelAfterEveryAction) {
  constexpr int kSessions = 8;
  constexpr int kActions = 400;
  for (int session = 0; session < kSessions; ++session) {
    open();
    history.clear();
    std::mt19937 rng(static_cast<unsigned>(1000 + session));
    std::vector<std::uint8_t> bytes(kActions * 24);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    fuzz::ByteReader reader(bytes.data(), bytes.size());
    const fuzz::ControlNames names(*calc);
    for (int n = 0; n < kActions && !reader.empty(); ++n) {
      for (const std::string& line : fuzz::nextAction(reader, *calc, names)) {
        if (fuzz::typesIntoReadOnly(line) || leavesTheWindow(*calc, line)) continue;
        history.push_back(line);
        perform(line, rng);
        const auto differences = mismatches();
        ASSERT_TRUE(differences.empty()) << "session " << session << ", after:\n"
                                         << replay() << checks::joined(differences);
        const auto failed = checks::violations(*calc, app);
        ASSERT_TRUE(failed.empty()) << "session " << session << ", after:\n" << replay() << checks::joined(failed);
      }
    }
  }
}

}  // namespace
}  // namespace tickwell
