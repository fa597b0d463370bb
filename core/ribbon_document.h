// GetRibbonXML: the whole ribbon document of one add-in, built afresh from the settings on every
// call. A build either yields the complete document (or the empty string when the add-in is to
// add nothing) or fails and yields no document at all.
#pragma once

#include <optional>
#include <string>

#include "core/failure.h"
#include "core/host_application.h"
#include "core/host_profile.h"
#include "core/language.h"
#include "core/markup_writer.h"
#include "core/office_version.h"
#include "core/settings_store.h"

namespace trelvane {

class Settings;

// The customUI namespace of the first (2006) ribbon schema.
inline constexpr std::string_view kCustomUiNamespace =
    "http://schemas.microsoft.com/office/2006/01/customui";

struct RibbonXml {
  bool ok = false;
  std::string document;  // when ok: the document, or empty for "nothing to add"
  Failure failure;       // when not ok
};

// The markup state of one add-in instance: its writer, with the buffer and counters.
class RibbonBuilder {
 public:
  // `system_ui_language`: Windows' UI language (an LCID), for when the host cannot say Office's;
  // none where there is no such thing (the command-line tool).
  explicit RibbonBuilder(const HostProfile& host,
                         std::optional<std::uint32_t> system_ui_language = std::nullopt)
      : host_(host), system_ui_language_(system_ui_language) {}

  // `application` may be null (not connected yet): the build then fails as the host-name
  // test cannot be made. Never throws.
  RibbonXml GetRibbonXML(HostApplication* application, SettingsStore& store) noexcept;

  const HostProfile& host() const { return host_; }
  const MarkupWriter& writer() const { return writer_; }
  // The writer and its counters outlive a build: Access's dynamic menus go on numbering from them.
  MarkupWriter& writer() { return writer_; }
  // The Office version the last document was written for, read from the host once per build;
  // Access's dynamic menus follow it without asking again. Office 2010 before any build, and
  // after one that ended before asking (no host, or another host's name).
  OfficeVersion office_version() const { return office_version_; }
  // Office's UI language as the last build read it, in the same way: the dynamic menus and the
  // add-in's windows speak it. English before any build, and after one that ended before asking.
  Language language() const { return language_; }

 private:
  // The document, or nothing for "add nothing"; throws BuildFailure.
  std::optional<std::string> Build(HostApplication* application, SettingsStore& store);
  void WriteTabs(const Settings& settings);
  void WriteMenuBox(const Settings& settings, const HostContent& content);

  const HostProfile& host_;
  std::optional<std::uint32_t> system_ui_language_;
  MarkupWriter writer_;
  OfficeVersion office_version_ = OfficeVersion::kOffice2010;
  Language language_ = Language::kEnglish;
};

}  // namespace trelvane
