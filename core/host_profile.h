// Everything that makes one host's add-in different from another's, as constants: the host
// word, its built-in tabs, how its All menu is written, its content and its texts.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/content.h"
#include "core/content_player.h"
#include "core/host_tab.h"
#include "core/version_changes.h"

namespace trelvane {

struct HostProfile {
  std::string_view host_word;  // looked for in Application.Name, case-sensitively; the host's
                               // name in our windows' texts ("Excel")
  std::string_view application_name;  // the Name the real host reports
  // The one ribbon the document is for, where the host asks for each kind of window in turn
  // (Outlook: its main window); every other ribbon gets nothing. Empty: the host has one ribbon,
  // and whatever id it passes gets the document.
  std::string_view ribbon_id = {};
  std::span<const HostTab> tabs;  // in table order
  // What closes the root start tag after its namespace: " >", or the onLoad callback.
  std::string_view root_tag_end = " >";
  std::string_view home_tab_id_mso = "TabHome";  // the Classic tab's insertBeforeMso with Left 1
  EmitterForms forms;
  // The All menu: opened with this literal start tag, or with BeginMenu("All") when empty;
  // closed with EndMenu, then followed by a spacer with this label when there is one.
  std::string_view all_menu_start_tag;
  std::optional<std::string_view> spacer_after_all_menu;
  HostContent content;
  // What later Office versions lack of the content, or know under another id.
  std::span<const VersionChange> version_changes = {};
  // Our own texts that name Office 2010, and what later versions show instead.
  std::span<const TextChange> text_changes = {};

  // Whether the host's request for the ribbon `id` gets the document at all.
  bool AnswersRibbon(std::string_view id) const { return ribbon_id.empty() || id == ribbon_id; }
};

}  // namespace trelvane
