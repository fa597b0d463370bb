// The configurator's options window as a model: the twelve check boxes and their rules, the four
// host options, and the load, OK and Cancel sequences with the step numbers their error reports
// show. It reaches the world only through Seams; the Windows program draws the controls, passes
// the user's clicks in and shows the model's state.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "configurator/seams.h"
#include "core/settings.h"

namespace trelvane::configurator {

inline constexpr int kBoxCount = 12;

// The host number stored under "Option": 1 Word, 2 Excel, 3 Access, 4 PowerPoint.
enum class HostOption { kWord = 1, kExcel = 2, kAccess = 3, kPowerPoint = 4 };

// Box n's caption, exactly as shown ("Show Classic Menu and Toolbars in Microsoft Office 2010",
// " View" with its leading blank, ...).
std::string_view BoxCaption(int box);
// " Word" (leading blank), "Excel", "Access", "PowerPoint".
std::string_view OptionCaption(HostOption host);
// The settings key a box is stored under: "Classic", "Left", "All" for boxes 0 to 2; for boxes
// 3 to 11 the caption without its blanks, except that the "Page Layout" box is stored under
// "Page Layout" and the "Hide built-in tabs" box under "Hide built-in Tabs", the keys the
// add-ins read.
std::string SettingsKeyOfBox(int box);

class OptionsWindow {
 public:
  explicit OptionsWindow(const Seams& seams);

  // The load sequence, before the window is first shown. False when the program is to end
  // without showing it (Excel is missing); the window has been closed then.
  bool Load();

  // A click on box n (or Space on it): its state flips and the box rules run.
  void ClickBox(int box);
  // A click on a host option: it is selected and "Option" is written at once.
  void ClickOption(HostOption host);
  // The OK sequence: stores the boxes, registers or unregisters the selected host's add-in,
  // starts the host, closes the window.
  void ClickOk();
  // Closes the window without storing anything.
  void ClickCancel();

  bool IsSet(int box) const;
  HostOption selected() const { return selected_; }
  bool closed() const { return closed_; }

 private:
  // Sets the box and, when that changes it, runs its rule at once.
  void SetBox(int box, int state);
  void RunBoxRule(int box);
  int SumOfBoxes(int first, int last) const;
  // Box `box` := its stored value, read with `default_value`. Throws when the value is no box
  // state; the box keeps its state then.
  void LoadBox(int box, int default_value);
  // Selects the option and, when that changes the selection, writes "Option" (which may throw).
  void SelectOption(HostOption host);
  // Whether "Option" holds `host`'s number; read afresh by every test.
  bool StoredOptionIs(HostOption host) const;
  void CloseWindow();

  Seams seams_;  // the references themselves, so a caller's Seams need not outlive the window
  Settings settings_{seams_.store};
  std::array<int, kBoxCount> boxes_{};  // 0 cleared, 1 set
  HostOption selected_ = HostOption::kWord;
  bool closed_ = false;
};

}  // namespace trelvane::configurator
