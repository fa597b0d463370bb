// The add-in's About window: title, version, a link to the web site and an Ok button, in the
// language of the add-in's document, as wide as its texts need. One window per add-in object,
// modeless on the host's thread; closing it destroys the window and the next Show creates it
// again with fresh texts.
#pragma once

#include <windows.h>

#include <string>

#include "core/addresses.h"
#include "core/language.h"
#include "core/win/addin_identity.h"
#include "core/win/unique_handle.h"

namespace trelvane::win {

inline constexpr wchar_t kHandPointerFile[] = L"HAND-M.CUR";

// Control ids, also how tests find the controls.
enum AboutControl : int {
  kAboutTitle = 101,
  kAboutVersion = 102,
  kAboutWebsiteLabel = 103,
  kAboutLink = 104,
  kAboutOk = IDOK,
};

class AboutWindow {
 public:
  AboutWindow(HMODULE module, LinkOpening link_opening) noexcept
      : module_(module), link_opening_(link_opening) {}
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;
  ~AboutWindow();

  // Shows the window, creating it first when it is not open, with the texts for `host_word`'s
  // add-in in `language` (an open window keeps its own). Throws BuildFailure.
  void Show(std::string_view host_word, Language language);

  HWND window() const noexcept { return window_.get(); }

 private:
  void PrepareFirstUse();
  void Create(std::string_view host_word, Language language);
  void CreateFonts();
  HWND AddControl(const wchar_t* window_class, const std::wstring& text, DWORD style, int id,
                  RECT place, HFONT font);
  void SetLinkUnderlined(bool underlined) noexcept;
  void SetPointer(HWND over) noexcept;
  void OpenLink() noexcept;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam,
                                    LPARAM lparam) noexcept;
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HMODULE module_;
  LinkOpening link_opening_;
  bool prepared_ = false;
  std::wstring folder_;  // the add-in's folder
  unique_hcursor hand_;  // from HAND-M.CUR; none when the file is absent
  unique_hfont text_font_;
  unique_hfont title_font_;
  unique_hfont link_font_;
  unique_hfont underlined_link_font_;
  unique_hwnd window_;
  HWND link_ = nullptr;
  HWND ok_ = nullptr;
  bool underlined_ = false;
};

}  // namespace trelvane::win
