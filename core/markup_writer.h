// The growing ribbon document and the running numbers of its generated ids. Every emitter
// appends exactly one element, formed whole before it is appended, so an emitter that fails
// appends nothing. Nothing is escaped: argument text goes into the markup verbatim.
//
// Two families of emitters share this writer. The base forms (idMso and one text) write the
// idMso attribute even when it is empty; the extended forms (idMso, label, imageMso, screentip,
// onAction) turn an empty idMso into an id-less button numbered by the spacer counter. The
// optional getVisible arguments default to empty, which leaves the element unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvane {

// Running numbers of generated ids; each advances before its value is used, so the first id of
// each kind carries 1.
struct ElementCounters {
  std::int32_t group = 0;      // btnGr00n
  std::int32_t spacer = 0;     // sep00n: spacers and id-less buttons
  std::int32_t separator = 0;  // msep00nd
  std::int32_t menu = 0;       // BR3234n, Dyna<name>n: menus and dynamic menus
};

// 1 while the menu bar is written on the tab, 2 while it is written inside the All menu.
inline constexpr std::int32_t kMenuBarOnTab = 1;
inline constexpr std::int32_t kMenuBarInAllMenu = 2;

class MarkupWriter {
 public:
  // Empties the document; the counters are left alone.
  void Clear() { buffer_.clear(); }
  void ResetCounters() { counters_ = {}; }
  void Append(std::string_view text) { buffer_.append(text); }

  const std::string& text() const { return buffer_; }
  std::string TakeText() { return std::move(buffer_); }

  ElementCounters& counters() { return counters_; }
  const ElementCounters& counters() const { return counters_; }
  std::int32_t menu_bar_mode() const { return menu_bar_mode_; }
  void set_menu_bar_mode(std::int32_t mode) { menu_bar_mode_ = mode; }

  // Base forms.
  void EmitControl(std::string_view id_mso, std::string_view label);
  void EmitIconControl(std::string_view id_mso, std::string_view screentip);

  // Extended forms.
  void EmitControl(std::string_view id_mso, std::string_view label, std::string_view image_mso,
                   std::string_view screentip, std::string_view on_action);
  void EmitGallery(std::string_view id_mso, std::string_view label, std::string_view image_mso,
                   std::string_view screentip, std::string_view on_action);
  void EmitIconControl(std::string_view id_mso, std::string_view screentip,
                       std::string_view image_mso, std::string_view on_action,
                       std::string_view get_visible = {});
  void BeginMenu(std::string_view label, std::string_view image_mso, std::string_view screentip,
                 std::string_view get_visible = {});

  // Forms common to both families.
  void EmitComboBox(std::string_view id_mso, std::string_view get_visible = {});
  void BeginButtonGroup(std::string_view get_visible = {});
  void EndButtonGroup();
  void EmitSpacer(std::string_view label, std::string_view get_visible = {});
  void EmitMenuSeparator();
  // Closes a menu; with `spacer_after` on the tab (menu-bar mode 1) a one-blank spacer follows.
  void EndMenu(bool spacer_after = false);

  // A menu whose content the host asks for through OnGetContent<name>, shown as OnGetVisible<name>
  // says, labelled `label` (its name in English); on the tab (menu-bar mode 1) a one-blank spacer
  // bound to the same callback follows, so that a hidden menu takes its gap with it. Dynamic
  // menus are numbered by the menu counter.
  void EmitDynamicMenu(std::string_view name, std::string_view label, std::string_view image_mso,
                       std::string_view screentip);

 private:
  // Advances `counter`; fails rather than pass the largest 32-bit value.
  static std::int32_t Next(std::int32_t& counter, std::string_view what);
  void EmitLabelled(std::string_view element, std::string_view id_mso, std::string_view label,
                    std::string_view image_mso, std::string_view screentip,
                    std::string_view on_action);
  // `<control idMso="X"` or, for an empty idMso, `<button id="sep00n"`.
  std::string OpenControlOrIdlessButton(std::string_view element, std::string_view id_mso);

  std::string buffer_;
  ElementCounters counters_;
  std::int32_t menu_bar_mode_ = kMenuBarOnTab;
};

}  // namespace trelvane
