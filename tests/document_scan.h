// Ribbon documents for tests, and small text scans over them that check structure without
// restating the content: ids, counts, and the text between two markers.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/memory_settings_store.h"
#include "core/ribbon_document.h"
#include "core/settings.h"

namespace trelvane::testing {

struct BuiltDocument {
  std::string document;
  ElementCounters counters;  // as the build left them, after boxNew3
};

using SettingValues = std::vector<std::pair<std::string, std::string>>;

// `host`'s document with `settings` stored and the rest at their defaults, as a host that
// reports `version` and the UI language `lcid` (none: it cannot say) has it built.
inline BuiltDocument BuildDocument(const HostProfile& host, const SettingValues& settings,
                                   const char* version = "14.0",
                                   std::optional<std::uint32_t> lcid = std::nullopt) {
  MemorySettingsStore store;
  for (const auto& [key, value] : settings)
    Settings(store).Write(key, value);
  StandInHost app(std::string(host.application_name));
  app.set_version(version);
  if (lcid)
    app.set_ui_language_id(*lcid);
  RibbonBuilder builder(host);
  RibbonXml xml = builder.GetRibbonXML(&app, store);
  EXPECT_TRUE(xml.ok) << xml.failure.reason;
  return {std::move(xml.document), builder.writer().counters()};
}

// `host`'s document with the All menu on or off and every other setting at its default.
inline BuiltDocument BuildDocument(const HostProfile& host, bool all_menu) {
  return BuildDocument(host, {{"All", all_menu ? "1" : "0"}});
}

// Every id attribute's value, in document order (idMso attributes are not ids).
inline std::vector<std::string> Ids(std::string_view document) {
  std::vector<std::string> ids;
  constexpr std::string_view kId = " id=\"";
  for (auto at = document.find(kId); at != std::string_view::npos;
       at = document.find(kId, at + 1)) {
    const auto begin = at + kId.size();
    ids.emplace_back(document.substr(begin, document.find('"', begin) - begin));
  }
  return ids;
}

inline int Count(std::string_view document, std::string_view needle) {
  int count = 0;
  for (auto at = document.find(needle); at != std::string_view::npos;
       at = document.find(needle, at + needle.size())) {
    ++count;
  }
  return count;
}

// The text from `from` (included) to the first `to` after it (included); empty if absent.
inline std::string_view Slice(std::string_view document, std::string_view from,
                              std::string_view to) {
  const auto begin = document.find(from);
  if (begin == std::string_view::npos)
    return {};
  const auto end = document.find(to, begin + from.size());
  if (end == std::string_view::npos)
    return {};
  return document.substr(begin, end + to.size() - begin);
}

// One of the group's boxes, from its start tag to its </box>.
inline std::string_view Box(std::string_view document, std::string_view id) {
  const auto begin = document.find("<box id=\"" + std::string(id) + "\"");
  if (begin == std::string_view::npos)
    return {};
  auto end = document.find("<box id=", begin + 1);
  if (end == std::string_view::npos)
    end = document.find("</group >", begin);
  return document.substr(begin, end - begin);
}

// Ids that begin with `prefix`, in document order.
inline std::vector<std::string> IdsStartingWith(std::string_view document,
                                                std::string_view prefix) {
  std::vector<std::string> out;
  for (auto& id : Ids(document)) {
    if (id.rfind(prefix, 0) == 0)
      out.push_back(id);
  }
  return out;
}

}  // namespace trelvane::testing
