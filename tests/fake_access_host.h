// A stand-in for Access that answers the kind of the active object and the pressed view
// buttons it is told, can be told to fail, and logs every query in order, so that a test sees
// exactly which host calls a callback makes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "access/visibility_rules.h"
#include "core/host_application.h"

namespace trelvane::testing {

class FakeAccess final : public HostApplication {
 public:
  static constexpr std::int32_t kNoDatabaseCode = static_cast<std::int32_t>(0x800A09D5);

  std::int32_t kind = -1;
  std::string version = "14.0";
  std::optional<std::uint32_t> ui_language;  // none: the host cannot say
  bool design = false;
  bool datasheet = false;
  // When set, the n-th query (counting from 0) fails with kNoDatabaseCode.
  std::optional<std::size_t> fail_at;
  // When true, every query fails with kNoDatabaseCode.
  bool failing = false;
  std::vector<std::string> calls;

  std::string Name() override { return "Microsoft Access"; }
  std::string Version() override {
    Log("version");
    return version;
  }
  std::uint32_t UiLanguageId() override {
    Log("language");
    if (!ui_language)
      throw BuildFailure(FailureKind::kHost, "no LanguageSettings");
    return *ui_language;
  }
  bool DocumentMap() override { throw BuildFailure(FailureKind::kHost, "no DocumentMap"); }
  void SetDocumentMap(bool) override { throw BuildFailure(FailureKind::kHost, "no DocumentMap"); }

  std::int32_t CurrentObjectType() override {
    Log("kind");
    return kind;
  }
  bool GetPressedMso(std::string_view id_mso) override {
    Log(std::string(id_mso));
    if (id_mso == access::kDesignViewButton)
      return design;
    if (id_mso == access::kDatasheetViewButton)
      return datasheet;
    return false;
  }
  // Logged as the host sees it: the CommandBars read, then each button.
  std::vector<bool> GetPressedMsos(std::span<const std::string_view> id_msos) override {
    Log("CommandBars");
    std::vector<bool> pressed;
    for (const std::string_view id_mso : id_msos)
      pressed.push_back(GetPressedMso(id_mso));
    return pressed;
  }

 private:
  void Log(std::string call) {
    const bool fail = failing || (fail_at && *fail_at == calls.size());
    calls.push_back(std::move(call));
    if (fail)
      throw BuildFailure(FailureKind::kHost, "the host has no database open", kNoDatabaseCode);
  }
};

// Access with an object of `kind` active and the view buttons pressed as told.
inline FakeAccess Situation(std::int32_t kind, bool design, bool datasheet) {
  FakeAccess host;
  host.kind = kind;
  host.design = design;
  host.datasheet = datasheet;
  return host;
}

}  // namespace trelvane::testing
