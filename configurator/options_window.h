// The configurator's options window as a model: the check boxes and their rules, the four host
// options, and the load, OK and Cancel sequences with the step numbers their error reports show.
// The tab boxes are the chosen host's built-in tabs. It reaches the world only through Seams;
// the Windows program draws the controls, passes the user's clicks in and shows the model's
// state.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "configurator/hosts.h"
#include "configurator/seams.h"
#include "core/language.h"
#include "core/settings.h"

namespace trelvane::configurator {

// Boxes 0 to 2 ("Classic", "Left", "All") and 11 ("Hide built-in tabs") are always there. The
// tab boxes are 3 to 10 and then 12, one for each row of the chosen host's tab table (Access
// uses 3 to 6, PowerPoint all nine); box 3 is always the host's Home tab.
inline constexpr int kBoxCount = 13;
inline constexpr int kHideTabsBox = 11;
inline constexpr int kMaxTabBoxes = 9;

// The box of the host's tab at `index` in its table: 3 for the first, ..., 10, then 12.
int TabBox(int index);

// Box n's caption for the boxes that do not follow the host, in `language`; empty for a tab box.
std::string_view FixedBoxCaption(int box, Language language = Language::kEnglish);
// " Word" (leading blank), "Excel", "Access", "PowerPoint", "Outlook".
std::string_view OptionCaption(HostOption host);

class OptionsWindow {
 public:
  // `language`: Windows' UI language, which the window and its messages speak.
  explicit OptionsWindow(const Seams& seams, Language language = Language::kEnglish);

  // The load sequence, before the window is first shown. False when the program is to end
  // without showing it (no host is installed); the window has been closed then.
  bool Load();

  // A click on box n (or Space on it): its state flips and the box rules run. A tab box the
  // chosen host does not have takes no clicks.
  void ClickBox(int box);
  // A click on a host option: it is selected, "Option" is written at once, and the tab boxes
  // become the host's, loaded from the store. An option whose host is not installed takes none.
  void ClickOption(HostOption host);
  // The OK sequence: stores the boxes, registers or unregisters the selected host's add-in,
  // starts the host, closes the window.
  void ClickOk();
  // Closes the window without storing anything.
  void ClickCancel();

  bool IsSet(int box) const;
  HostOption selected() const { return selected_; }
  bool closed() const { return closed_; }
  // What the window shows: the host whose tab boxes stand there, how many, and each caption.
  HostOption tab_host() const { return tab_host_; }
  int TabCount() const;
  // The tab boxes' captions are the tabs' names in the window's language.
  std::string_view BoxCaption(int box) const;
  Language language() const { return language_; }
  // The key box n is stored under: "Classic", "Left", "All", "Hide built-in Tabs", or the
  // display name of the host's tab, as the add-ins read them. Empty for a box not shown.
  std::string SettingsKeyOfBox(int box) const;
  // False once the load has found the host missing; every host counts until then.
  bool IsInstalled(HostOption host) const;

 private:
  bool IsTabBox(int box) const;  // one of the chosen host's
  const HostTab* TabOfBox(int box) const;
  // Sets the box and, when that changes it, runs its rule at once.
  void SetBox(int box, int state);
  void RunBoxRule(int box);
  int SumOfTabBoxes() const;
  // Box `box` := its stored value, read with `default_value`, its rule running. Throws when the
  // value is no box state; the box keeps its state then.
  void LoadBox(int box, int default_value);
  // The tab boxes become `host`'s: the old ones cleared, the new ones loaded (their rules
  // running); a value no box can show leaves its box cleared, unreported.
  void ShowTabsOf(HostOption host);
  // Selects the option and, when that changes the selection, shows its tabs and writes
  // "Option" (which may throw).
  void SelectOption(HostOption host);
  // Whether "Option" holds `host`'s number; read afresh by every test.
  bool StoredOptionIs(HostOption host) const;
  // Finds the installed hosts; false when there is none.
  bool FindInstalledHosts();
  void CloseWindow();

  Seams seams_;  // the references themselves, so a caller's Seams need not outlive the window
  Language language_;
  Settings settings_{seams_.store};
  std::array<int, kBoxCount> boxes_{};  // 0 cleared, 1 set
  HostOption selected_ = HostOption::kWord;
  HostOption tab_host_ = HostOption::kWord;
  std::array<bool, kHostCount> installed_ = {true, true, true, true, true};  // by number - 1
  bool closed_ = false;
};

}  // namespace trelvane::configurator
