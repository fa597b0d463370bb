#include "configurator/options_window.h"

#include <string>

#include "configurator/addin_registration.h"
#include "configurator/box_setting.h"
#include "configurator/error_report.h"
#include "configurator/host_checks.h"
#include "configurator/product.h"
#include "core/failure.h"
#include "core/language_tables.h"

namespace trelvane::configurator {
namespace {

constexpr std::string_view kFixedCaptions[] = {
    "Show Classic Menu and Toolbars in Microsoft Office",
    "Show menu tabs on the left of home tab",
    "Show all items in main menu",
};
constexpr std::string_view kHideTabsCaption = "Hide built-in tabs";

constexpr int kClassicBox = 0;
constexpr int kLeftBox = 1;
constexpr int kAllBox = 2;
constexpr int kHomeBox = 3;  // the host's first tab, the one tab box whose rule leaves box 11 alone

constexpr std::string_view kSkinFile = "\\x\\o.cjs";
constexpr std::string_view kHandPointerFile = "\\HAND-M.CUR";

struct HostProgram {
  HostOption host;
  int step;
  std::string_view name;  // handed to the shell, which finds the installed host
};
constexpr std::array<HostProgram, kHostCount> kHostPrograms = {{
    {HostOption::kWord, 118, "WINWORD"},
    {HostOption::kExcel, 122, "Excel"},
    {HostOption::kAccess, 126, "MSACCESS"},
    {HostOption::kPowerPoint, 130, "POWERPNT"},
    {HostOption::kOutlook, 134, "OUTLOOK"},
}};

bool IsBox(int box) {
  return box >= 0 && box < kBoxCount;
}

// One numbered step of a routine: a failure is reported with the step's number and the routine
// goes on. True when the step completed.
template <typename Body>
bool RunStep(MessageBoxes& messages, Language language, Routine routine, int step, Body&& body) {
  Failure failure;
  if (CatchFailure(body, failure))
    return true;
  ShowErrorReport(messages, language, failure.reason, routine, step);
  return false;
}

}  // namespace

int TabBox(int index) {
  return index < 8 ? kHomeBox + index : 12;
}

std::string_view FixedBoxCaption(int box, Language language) {
  if (box >= kClassicBox && box <= kAllBox)
    return Text(language, TextSection::kWindows, kFixedCaptions[box]);
  return box == kHideTabsBox ? Text(language, TextSection::kWindows, kHideTabsCaption)
                             : std::string_view();
}

std::string_view OptionCaption(HostOption host) {
  return IsHost(host) ? ChoiceOf(host).caption : std::string_view();
}

OptionsWindow::OptionsWindow(const Seams& seams, Language language)
    : seams_(seams), language_(language) {}

bool OptionsWindow::Load() {
  const auto step = [this](int number, auto&& body) {
    return RunStep(seams_.messages, language_, Routine::kLoad, number, body);
  };
  const auto program_file = [this](std::string_view name) {
    return seams_.files.ProgramFolder() + std::string(name);
  };

  step(100, [&] {
    const std::string skin = program_file(kSkinFile);
    if (seams_.files.FileExists(skin))
      seams_.window.ApplySkin(skin);
  });
  step(102, [&] { seams_.window.Centre(); });
  bool has_pointer = true;  // a test that fails goes on as if it held
  step(104, [&] { has_pointer = seams_.files.FileExists(program_file(kHandPointerFile)); });
  if (has_pointer)
    step(106, [&] { seams_.window.LoadHandPointer(program_file(kHandPointerFile)); });
  step(126, [&] { seams_.window.SetCaptionAndIcon(kProductName); });

  step(128, [&] { LoadBox(kClassicBox, 1); });
  step(130, [&] { LoadBox(kLeftBox, 1); });
  step(132, [&] { LoadBox(kAllBox, 1); });
  // Step 134: the tab boxes are the stored host's, so that the host's own keys are the ones
  // read. An unreadable "Option" is reported by step 138; its tabs are Word's, as its choice is.
  try {
    const double stored = settings_.ReadDouble(kKeyOption, 1);
    for (const HostChoice& choice : HostChoices()) {
      if (stored == static_cast<double>(choice.host))
        tab_host_ = choice.host;
    }
  } catch (...) {
  }
  for (int index = 0; index < TabCount(); ++index)
    step(136, [&] { LoadBox(TabBox(index), 0); });
  // Read as stored, and after the tab boxes, whose rules may set it: its own rule does not run,
  // so the tab boxes stay as stored too.
  step(136, [&] {
    const std::string key(kKeyHideBuiltInTabs);
    boxes_[kHideTabsBox] = SettingToBoxState(key, settings_.ReadText(key, 0));
  });

  const auto option_is = [&](int number, HostOption host) {
    bool holds = true;
    step(number, [&] { holds = StoredOptionIs(host); });
    return holds;
  };
  const auto select = [&](int number, HostOption host) {
    step(number, [&] { SelectOption(host); });
  };
  if (option_is(138, HostOption::kWord))
    select(140, HostOption::kWord);
  else if (option_is(142, HostOption::kExcel))
    select(144, HostOption::kExcel);
  else if (option_is(146, HostOption::kAccess))
    select(148, HostOption::kAccess);
  else if (option_is(150, HostOption::kPowerPoint))
    select(152, HostOption::kPowerPoint);
  else if (option_is(158, HostOption::kOutlook))
    select(160, HostOption::kOutlook);

  bool any_installed = true;
  step(154, [&] {
    any_installed = FindInstalledHosts();
    if (!any_installed) {
      try {
        seams_.messages.Show(NoHostText(language_), kProductName, MessageIcon::kNone);
      } catch (...) {
      }
      CloseWindow();
    }
  });
  if (!any_installed)
    return false;
  step(156, [&] {
    if (IsInstalled(selected_))
      return;
    for (const HostChoice& choice : HostChoices()) {
      if (IsInstalled(choice.host)) {
        SelectOption(choice.host);
        break;
      }
    }
  });
  return true;
}

void OptionsWindow::ClickBox(int box) {
  if (closed_ || !IsBox(box) || (box >= kHomeBox && box != kHideTabsBox && !IsTabBox(box)))
    return;
  SetBox(box, boxes_[box] != 0 ? 0 : 1);
}

void OptionsWindow::ClickOption(HostOption host) {
  if (closed_ || !IsHost(host) || !IsInstalled(host))
    return;
  try {
    SelectOption(host);
  } catch (...) {
    // A click has no report of its own; the choice is kept for this run, only not stored.
  }
}

void OptionsWindow::ClickOk() {
  if (closed_)
    return;
  const auto step = [this](int number, auto&& body) {
    return RunStep(seams_.messages, language_, Routine::kOk, number, body);
  };
  const auto store_box = [this](int box) {
    settings_.Write(SettingsKeyOfBox(box), std::to_string(boxes_[box]));
  };

  step(100, [&] { store_box(kClassicBox); });
  step(102, [&] { store_box(kLeftBox); });
  step(104, [&] { store_box(kAllBox); });
  // The shown host's tab keys and nothing else: another host's keys keep what its own OK stored.
  for (int index = 0; index < TabCount(); ++index)
    step(108, [&] { store_box(TabBox(index)); });
  step(108, [&] { store_box(kHideTabsBox); });

  const SelectedHost selected = [this] { return selected_; };
  if (boxes_[kClassicBox] != 0)
    step(112, [&] { RegisterAddin(seams_, selected); });
  else
    step(114, [&] { UnregisterAddin(seams_, selected); });

  for (const HostProgram& program : kHostPrograms) {
    if (selected_ == program.host) {
      step(program.step, [&] { seams_.launcher.OpenWithShell(program.name); });
      break;
    }
  }
  step(132, [&] { CloseWindow(); });
}

void OptionsWindow::ClickCancel() {
  if (closed_)
    return;
  RunStep(seams_.messages, language_, Routine::kCancel, 100, [this] { CloseWindow(); });
}

bool OptionsWindow::IsSet(int box) const {
  return IsBox(box) && boxes_[box] != 0;
}

int OptionsWindow::TabCount() const {
  return static_cast<int>(ChoiceOf(tab_host_).tabs.size());
}

const HostTab* OptionsWindow::TabOfBox(int box) const {
  for (int index = 0; index < TabCount(); ++index) {
    if (TabBox(index) == box)
      return &ChoiceOf(tab_host_).tabs[index];
  }
  return nullptr;
}

std::string_view OptionsWindow::BoxCaption(int box) const {
  if (const HostTab* tab = TabOfBox(box))
    return Text(language_, TextSection::kTabs, tab->name);
  return FixedBoxCaption(box, language_);
}

std::string OptionsWindow::SettingsKeyOfBox(int box) const {
  switch (box) {
    case kClassicBox:
      return std::string(kKeyClassic);
    case kLeftBox:
      return std::string(kKeyLeft);
    case kAllBox:
      return std::string(kKeyAll);
    case kHideTabsBox:
      return std::string(kKeyHideBuiltInTabs);
  }
  // The tab's own name, which is the key in every language.
  const HostTab* tab = TabOfBox(box);
  return std::string(tab ? tab->name : std::string_view());
}

bool OptionsWindow::IsInstalled(HostOption host) const {
  return IsHost(host) && installed_[static_cast<int>(host) - 1];
}

bool OptionsWindow::IsTabBox(int box) const {
  for (int index = 0; index < TabCount(); ++index) {
    if (TabBox(index) == box)
      return true;
  }
  return false;
}

void OptionsWindow::SetBox(int box, int state) {
  if (boxes_[box] == state)
    return;
  boxes_[box] = state;
  RunBoxRule(box);
}

void OptionsWindow::RunBoxRule(int box) {
  const bool set = boxes_[box] != 0;
  if (box == kClassicBox) {
    if (!set) {
      for (int other = kLeftBox; other < kBoxCount; ++other)
        SetBox(other, 0);
    } else if (SumOfTabBoxes() + boxes_[kLeftBox] + boxes_[kAllBox] + boxes_[kHideTabsBox] == 0) {
      SetBox(kLeftBox, 1);
      SetBox(kAllBox, 1);
    }
  } else if (box == kHideTabsBox) {
    if (!set) {
      for (int index = 0; index < TabCount(); ++index)
        SetBox(TabBox(index), 0);
    } else if (SumOfTabBoxes() == 0) {
      for (int index = 0; index < TabCount(); ++index)
        SetBox(TabBox(index), 1);
      SetBox(kLeftBox, 0);
    }
  } else if (set) {
    // Every other box acts only when set: "Left" and "Home" exclude each other (the Classic tab
    // cannot stand left of a hidden Home tab), and any choice implies the Classic tab.
    if (box == kLeftBox)
      SetBox(kHomeBox, 0);
    else if (box == kHomeBox)
      SetBox(kLeftBox, 0);
    else if (box != kAllBox)
      SetBox(kHideTabsBox, 1);
    SetBox(kClassicBox, 1);
  }
}

int OptionsWindow::SumOfTabBoxes() const {
  int sum = 0;
  for (int index = 0; index < TabCount(); ++index)
    sum += boxes_[TabBox(index)];
  return sum;
}

void OptionsWindow::LoadBox(int box, int default_value) {
  const std::string key = SettingsKeyOfBox(box);
  SetBox(box, SettingToBoxState(key, settings_.ReadText(key, default_value)));
}

void OptionsWindow::ShowTabsOf(HostOption host) {
  if (tab_host_ == host)
    return;
  for (int index = 0; index < TabCount(); ++index)
    SetBox(TabBox(index), 0);  // clearing a tab box runs nothing
  tab_host_ = host;
  for (int index = 0; index < TabCount(); ++index) {
    try {
      LoadBox(TabBox(index), 0);
    } catch (...) {
      // The load sequence reports such a value; a change of host shows the box cleared.
    }
  }
}

void OptionsWindow::SelectOption(HostOption host) {
  if (selected_ == host)
    return;
  selected_ = host;
  ShowTabsOf(host);
  settings_.Write(kKeyOption, std::to_string(static_cast<int>(host)));
}

bool OptionsWindow::StoredOptionIs(HostOption host) const {
  return settings_.ReadDouble(kKeyOption, 1) == static_cast<double>(host);
}

bool OptionsWindow::FindInstalledHosts() {
  bool any = false;
  for (const HostChoice& choice : HostChoices()) {
    const bool installed = configurator::IsInstalled(choice, seams_.probes, seams_.files);
    installed_[static_cast<int>(choice.host) - 1] = installed;
    any = any || installed;
  }
  return any;
}

void OptionsWindow::CloseWindow() {
  seams_.window.Close();
  closed_ = true;
}

}  // namespace trelvane::configurator
