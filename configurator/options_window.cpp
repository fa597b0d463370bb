#include "configurator/options_window.h"

#include <string>

#include "configurator/addin_registration.h"
#include "configurator/box_setting.h"
#include "configurator/error_report.h"
#include "configurator/host_checks.h"
#include "configurator/product.h"
#include "core/failure.h"

namespace trelvane::configurator {
namespace {

constexpr std::array<std::string_view, kBoxCount> kBoxCaptions = {
    "Show Classic Menu and Toolbars in Microsoft Office 2010",
    "Show menu tabs on the left of home tab",
    "Show all items in main menu",
    "Home",
    "Insert",
    "Page Layout",
    "References",
    " View",
    "Review",
    " Mailings",
    "Developer",
    "Hide built-in tabs",
};

constexpr int kClassicBox = 0;
constexpr int kLeftBox = 1;
constexpr int kAllBox = 2;
constexpr int kFirstTabBox = 3;  // "Home", the one tab box whose rule leaves box 11 alone
constexpr int kLastTabBox = 10;
constexpr int kPageLayoutBox = 5;
constexpr int kHideTabsBox = 11;

constexpr std::string_view kSkinFile = "\\x\\o.cjs";
constexpr std::string_view kHandPointerFile = "\\HAND-M.CUR";

struct HostProgram {
  HostOption host;
  int step;
  std::string_view name;  // handed to the shell, which finds the installed host
};
constexpr std::array<HostProgram, 4> kHostPrograms = {{
    {HostOption::kWord, 118, "WINWORD"},
    {HostOption::kExcel, 122, "Excel"},
    {HostOption::kAccess, 126, "MSACCESS"},
    {HostOption::kPowerPoint, 130, "POWERPNT"},
}};

bool IsBox(int box) {
  return box >= 0 && box < kBoxCount;
}

bool IsHost(HostOption host) {
  const int number = static_cast<int>(host);
  return number >= 1 && number <= 4;
}

// One numbered step of a routine: a failure is reported with the step's number and the routine
// goes on. True when the step completed.
template <typename Body>
bool RunStep(MessageBoxes& messages, Routine routine, int step, Body&& body) {
  Failure failure;
  if (CatchFailure(body, failure))
    return true;
  ShowErrorReport(messages, failure.reason, routine, step);
  return false;
}

}  // namespace

std::string_view BoxCaption(int box) {
  return IsBox(box) ? kBoxCaptions[box] : std::string_view();
}

std::string_view OptionCaption(HostOption host) {
  switch (host) {
    case HostOption::kWord:
      return " Word";
    case HostOption::kExcel:
      return "Excel";
    case HostOption::kAccess:
      return "Access";
    case HostOption::kPowerPoint:
      return "PowerPoint";
  }
  return "";
}

std::string SettingsKeyOfBox(int box) {
  switch (box) {
    case kClassicBox:
      return std::string(kKeyClassic);
    case kLeftBox:
      return std::string(kKeyLeft);
    case kAllBox:
      return std::string(kKeyAll);
    // The two keys the add-ins read; the captions without blanks would name keys nobody reads.
    case kPageLayoutBox:
      return "Page Layout";
    case kHideTabsBox:
      return std::string(kKeyHideBuiltInTabs);
  }
  std::string key;
  for (char c : BoxCaption(box)) {
    if (c != ' ')
      key += c;
  }
  return key;
}

OptionsWindow::OptionsWindow(const Seams& seams) : seams_(seams) {}

bool OptionsWindow::Load() {
  const auto step = [this](int number, auto&& body) {
    return RunStep(seams_.messages, Routine::kLoad, number, body);
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
  // "Hide built-in tabs" is not read: it starts cleared, or set by a tab box's rule.
  for (int box = kFirstTabBox; box <= kLastTabBox; ++box)
    step(136, [&] { LoadBox(box, 0); });

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

  bool excel_present = true;
  step(154, [&] {
    excel_present = CheckExcel(seams_.probes, seams_.messages);
    if (!excel_present)
      CloseWindow();
  });
  if (!excel_present)
    return false;
  step(156, [&] { CheckWord(seams_.probes, seams_.messages); });
  return true;
}

void OptionsWindow::ClickBox(int box) {
  if (closed_ || !IsBox(box))
    return;
  SetBox(box, boxes_[box] != 0 ? 0 : 1);
}

void OptionsWindow::ClickOption(HostOption host) {
  if (closed_ || !IsHost(host))
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
    return RunStep(seams_.messages, Routine::kOk, number, body);
  };
  const auto store_box = [this](int box) {
    settings_.Write(SettingsKeyOfBox(box), std::to_string(boxes_[box]));
  };

  step(100, [&] { store_box(kClassicBox); });
  step(102, [&] { store_box(kLeftBox); });
  step(104, [&] { store_box(kAllBox); });
  for (int box = kFirstTabBox; box <= kHideTabsBox; ++box)
    step(108, [&] { store_box(box); });

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
  RunStep(seams_.messages, Routine::kCancel, 100, [this] { CloseWindow(); });
}

bool OptionsWindow::IsSet(int box) const {
  return IsBox(box) && boxes_[box] != 0;
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
      for (int other = kLeftBox; other <= kHideTabsBox; ++other)
        SetBox(other, 0);
    } else if (SumOfBoxes(kLeftBox, kHideTabsBox) == 0) {
      SetBox(kLeftBox, 1);
      SetBox(kAllBox, 1);
    }
  } else if (box == kHideTabsBox) {
    if (!set) {
      for (int tab = kFirstTabBox; tab <= kLastTabBox; ++tab)
        SetBox(tab, 0);
    } else if (SumOfBoxes(kFirstTabBox, kLastTabBox) == 0) {
      for (int tab = kFirstTabBox; tab <= kLastTabBox; ++tab)
        SetBox(tab, 1);
      SetBox(kLeftBox, 0);
    }
  } else if (set) {
    // Every other box acts only when set: "Left" and "Home" exclude each other (the Classic tab
    // cannot stand left of a hidden Home tab), and any choice implies the Classic tab.
    if (box == kLeftBox)
      SetBox(kFirstTabBox, 0);
    else if (box == kFirstTabBox)
      SetBox(kLeftBox, 0);
    else if (box > kFirstTabBox)
      SetBox(kHideTabsBox, 1);
    SetBox(kClassicBox, 1);
  }
}

int OptionsWindow::SumOfBoxes(int first, int last) const {
  int sum = 0;
  for (int box = first; box <= last; ++box)
    sum += boxes_[box];
  return sum;
}

void OptionsWindow::LoadBox(int box, int default_value) {
  const std::string key = SettingsKeyOfBox(box);
  SetBox(box, SettingToBoxState(key, settings_.ReadText(key, default_value)));
}

void OptionsWindow::SelectOption(HostOption host) {
  if (selected_ == host)
    return;
  selected_ = host;
  settings_.Write(kKeyOption, std::to_string(static_cast<int>(host)));
}

bool OptionsWindow::StoredOptionIs(HostOption host) const {
  return settings_.ReadDouble(kKeyOption, 1) == static_cast<double>(host);
}

void OptionsWindow::CloseWindow() {
  seams_.window.Close();
  closed_ = true;
}

}  // namespace trelvane::configurator
