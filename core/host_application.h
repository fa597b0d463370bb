// The host's Application object as the core needs it. On Windows it wraps the object Office
// hands to OnConnection and calls it late-bound by member name; elsewhere a stand-in answers.
// Every member throws BuildFailure (kHost, carrying the host's error code) when the host cannot
// answer, and each call asks the host afresh: nothing is cached.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/failure.h"

namespace trelvane {

class HostApplication {
 public:
  virtual ~HostApplication() = default;

  // Application.Name: "Microsoft Excel", "Microsoft Word", ...
  virtual std::string Name() = 0;
  // Application.Version: "14.0" for Office 2010, "15.0" for 2013, "16.0" for 2016 and later.
  virtual std::string Version() = 0;
  // Application.LanguageSettings.LanguageID(msoLanguageIDUI): the LCID of Office's UI language,
  // 1031 for German; two calls into the host.
  virtual std::uint32_t UiLanguageId() = 0;

  // Application.ActiveWindow.DocumentMap, read and written.
  virtual bool DocumentMap() = 0;
  virtual void SetDocumentMap(bool shown) = 0;

  // Access: Application.CurrentObjectType, the kind of the active object (0 table, 1 query,
  // 2 form, 3 report, 4 macro, 5 module; anything else for other kinds or none).
  virtual std::int32_t CurrentObjectType() = 0;
  // Access: Application.CommandBars.GetPressedMso(id_mso), whether that built-in button is
  // pressed; two calls into the host, one for CommandBars and one for GetPressedMso.
  virtual bool GetPressedMso(std::string_view id_mso) = 0;
  // Access: the same for several buttons through one CommandBars read, 1 + id_msos.size() calls
  // into the host; the answers in the order of `id_msos`.
  virtual std::vector<bool> GetPressedMsos(std::span<const std::string_view> id_msos) = 0;
};

// The command-line tool's stand-in for a host: a name, a version ("14.0" unless told), a UI
// language when told one (none otherwise, as from a host that cannot say), and for Access the kind
// of the active object and the pressed view buttons it is told. It has no windows.
class StandInHost final : public HostApplication {
 public:
  explicit StandInHost(std::string name) : name_(std::move(name)) {}

  std::string Name() override { return name_; }
  std::string Version() override { return version_; }
  std::uint32_t UiLanguageId() override {
    if (!ui_language_id_)
      throw BuildFailure(FailureKind::kHost, "the host does not say its UI language");
    return *ui_language_id_;
  }
  bool DocumentMap() override { throw NoWindow(); }
  void SetDocumentMap(bool) override { throw NoWindow(); }
  std::int32_t CurrentObjectType() override { return object_type_; }
  bool GetPressedMso(std::string_view id_mso) override {
    return pressed_.find(std::string(id_mso)) != pressed_.end();
  }
  std::vector<bool> GetPressedMsos(std::span<const std::string_view> id_msos) override {
    std::vector<bool> pressed;
    for (const std::string_view id_mso : id_msos)
      pressed.push_back(GetPressedMso(id_mso));
    return pressed;
  }

  void set_version(std::string version) { version_ = std::move(version); }
  void set_ui_language_id(std::uint32_t lcid) { ui_language_id_ = lcid; }
  // -1 until told otherwise: what Access answers when nothing is selected.
  void set_object_type(std::int32_t object_type) { object_type_ = object_type; }
  void Press(std::string_view id_mso) { pressed_.emplace(id_mso); }

 private:
  static BuildFailure NoWindow() {
    return BuildFailure(FailureKind::kHost, "the host has no document window");
  }

  std::string name_;
  std::string version_ = "14.0";
  std::optional<std::uint32_t> ui_language_id_;
  std::int32_t object_type_ = -1;
  std::set<std::string> pressed_;
};

}  // namespace trelvane
