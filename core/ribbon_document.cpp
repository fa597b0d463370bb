#include "core/ribbon_document.h"

#include "core/language_filter.h"
#include "core/language_tables.h"
#include "core/number_text.h"
#include "core/office_language.h"
#include "core/settings.h"
#include "core/version_filter.h"

namespace trelvane {
namespace {

// The running total of the per-tab values, kept as a whole 32-bit number after each addition.
std::int32_t AddTabValue(std::int32_t total, double value, std::string_view key) {
  const auto sum = RoundToInt32(static_cast<double>(total) + value);
  if (!sum) {
    throw BuildFailure(
        FailureKind::kOutOfRange,
        "the hidden-tab settings add up beyond a 32-bit integer at \"" + std::string(key) + "\"");
  }
  return *sum;
}

}  // namespace

RibbonXml RibbonBuilder::GetRibbonXML(HostApplication* application, SettingsStore& store) noexcept {
  RibbonXml result;
  std::optional<std::string> document;
  result.ok = CatchFailure([&] { document = Build(application, store); }, result.failure);
  if (result.ok && document)
    result.document = std::move(*document);
  return result;
}

std::optional<std::string> RibbonBuilder::Build(HostApplication* application,
                                                SettingsStore& store) {
  const Settings settings(store);
  writer_.ResetCounters();
  office_version_ = OfficeVersion::kOffice2010;
  language_ = Language::kEnglish;

  if (application == nullptr) {
    throw BuildFailure(FailureKind::kHost, "the add-in is not connected to a host application");
  }
  if (application->Name().find(host_.host_word) == std::string::npos)
    return std::nullopt;
  office_version_ = ReadOfficeVersion(*application);
  language_ = ReadOfficeLanguage(*application, system_ui_language_);
  if (settings.ReadInt32(kKeyClassic, 1) == 0)
    return std::nullopt;

  writer_.Clear();
  writer_.Append("<customUI xmlns=\"");
  writer_.Append(kCustomUiNamespace);
  writer_.Append("\"");
  writer_.Append(host_.root_tag_end);
  WriteTabs(settings);
  writer_.Append("<tab id=\"Menus\" label=\"");
  writer_.Append(Text(language_, TextSection::kRibbon, "Classic"));
  if (settings.ReadInt32(kKeyLeft, 1) == 1) {
    writer_.Append("\" insertBeforeMso=\"");
    writer_.Append(host_.home_tab_id_mso);
  }
  writer_.Append("\">");
  writer_.Append("<group id=\"ToolsPanel\" label=\"");
  writer_.Append(Text(language_, TextSection::kRibbon, "Tools panel"));
  writer_.Append("\">");
  // The version first, which also renames our English texts that name Office 2010, then the
  // language, which translates what the version shows.
  const VersionedContent versioned(host_.content, host_.version_changes, host_.text_changes,
                                   office_version_);
  const LocalizedContent content(versioned.lists(), language_);
  WriteMenuBox(settings, content.lists());
  EmitStandardToolbar(writer_, content.lists(), host_.forms);
  EmitFormattingToolbar(writer_, content.lists(), host_.forms);
  writer_.Append("</group >");
  PlayItems(writer_, content.lists().after_tools_panel, host_.forms, "");
  writer_.Append("</tab></tabs></ribbon></customUI>");
  return writer_.text();
}

// The ribbon and tabs start tags and the entries that hide built-in tabs: every tab whose key
// is 1 is hidden, as far as the document's Office version has it, and when the values add up to
// the number of keys the ribbon starts from scratch instead.
void RibbonBuilder::WriteTabs(const Settings& settings) {
  if (settings.ReadInt32(kKeyHideBuiltInTabs, 0) != 1) {
    writer_.Append("<ribbon><tabs>");
    return;
  }
  std::int32_t total = 0;
  for (const HostTab& tab : host_.tabs) {
    total = AddTabValue(total, settings.ReadDouble(tab.name, 0), tab.name);
  }
  if (total == static_cast<std::int32_t>(host_.tabs.size())) {
    writer_.Append("<ribbon startFromScratch=\"true\"><tabs>");
    return;
  }
  writer_.Append("<ribbon><tabs>");
  // Each key is read afresh: a value changed since the sum is seen as changed.
  for (const HostTab& tab : host_.tabs) {
    if (settings.ReadDouble(tab.name, 0) != 1.0)
      continue;
    for (const std::string_view id_mso : TabIdMsos(tab, office_version_)) {
      writer_.Append("<tab idMso=\"");
      writer_.Append(id_mso);
      writer_.Append("\" visible=\"false\"/>");
    }
  }
}

// The first box: the All menu when it is on, then the menu bar on the tab.
void RibbonBuilder::WriteMenuBox(const Settings& settings, const HostContent& content) {
  writer_.Append("<box id=\"boxNew1\" boxStyle=\"horizontal\">");
  if (settings.ReadInt32(kKeyAll, 1) == 1) {
    if (host_.all_menu_start_tag.empty()) {
      writer_.BeginMenu(Text(language_, TextSection::kRibbon, "All"), "", "");
    } else {
      writer_.Append(MarkupInLanguage(host_.all_menu_start_tag, language_));
    }
    EmitMenuBar(writer_, content, host_.forms, kMenuBarInAllMenu);
    // The menu-bar mode is 2 here, so a spacer-after request adds nothing.
    writer_.EndMenu(true);
    if (host_.spacer_after_all_menu)
      writer_.EmitSpacer(*host_.spacer_after_all_menu);
  }
  EmitMenuBar(writer_, content, host_.forms, kMenuBarOnTab);
  writer_.Append("</box>");
}

}  // namespace trelvane
