// The options window on screen: the model's boxes, options and buttons as standard controls in
// Windows' UI language, laid out from the twips table with the screen's real DPI, widened where a
// caption needs it (the tab boxes as the chosen host's tabs need them; an option whose host is
// missing is disabled), driven by mouse and keyboard as any dialog is. It passes every click to the
// model and shows the model's state after it; it is the window surface the model's load sequence
// prepares. Destroying it ends the message loop.
#pragma once

#include <windows.h>

#include <optional>

#include "configurator/options_window.h"
#include "configurator/window_layout.h"
#include "core/language.h"
#include "core/win/unique_handle.h"

namespace trelvane::configurator::win {

// Control ids, also how the tests find the controls.
enum ControlId : int {
  kFirstBoxId = 1000,     // box n is kFirstBoxId + n (tab boxes: see TabBox)
  kFirstOptionId = 1101,  // option k (1 Word ... 5 Outlook) is kFirstOptionId + k - 1
  kApplicationFrameId = 1201,
  kOptionsFrameId = 1202,
  kOutlineId = 1203,
  kOkId = IDOK,
  kCancelId = IDCANCEL,
};

inline constexpr wchar_t kOptionsWindowClass[] = L"TrelvaneOptionsWindow";

class OptionsView final : public WindowSurface {
 public:
  // `language`: the one its texts are in, Windows' UI language.
  OptionsView(HINSTANCE instance, Language language) noexcept
      : instance_(instance), language_(language) {}
  OptionsView(const OptionsView&) = delete;
  OptionsView& operator=(const OptionsView&) = delete;
  ~OptionsView() override;

  // Creates the window and its controls, hidden. Throws BuildFailure.
  void Create();
  void Attach(OptionsWindow& model) noexcept { model_ = &model; }
  // Shows the model's state and the window.
  void Show();

  HWND window() const noexcept { return window_.get(); }

  // WindowSurface
  void ApplySkin(std::string_view skin_file) override;
  void Centre() override;
  void LoadHandPointer(std::string_view cursor_file) override;
  void SetCaptionAndIcon(std::string_view caption) override;
  void Close() override;

 private:
  void CreateFonts();
  CaptionWidths MeasureCaptions(int tab_count) const;
  void ClipOverlappingOptions(const WindowLayout& layout);
  void Arrange();
  HWND AddControl(const wchar_t* window_class, std::string_view text, DWORD style, int id,
                  RECT twips, HFONT font);
  int Pixels(int twips) const;
  int Twips(int pixels) const;
  void ShowModelState();
  void OnCommand(int id, int code);
  bool SetPointer(HWND over) noexcept;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) noexcept;
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HINSTANCE instance_;
  Language language_;
  OptionsWindow* model_ = nullptr;
  int dpi_ = 96;
  trelvane::win::unique_hwnd window_;
  trelvane::win::unique_hfont text_font_;    // Arial 9 pt bold (CJK: the system's face)
  trelvane::win::unique_hfont button_font_;  // Arial 11.25 pt bold
  trelvane::win::unique_hcursor hand_;       // from HAND-M.CUR, when it is there
  HICON icon_ = nullptr;                     // the program's own; shared, not destroyed
  HCURSOR pointer_ = nullptr;                // the window's one pointer setting
  std::optional<HostOption> laid_out_for_;   // whose tab boxes stand there
};

}  // namespace trelvane::configurator::win
