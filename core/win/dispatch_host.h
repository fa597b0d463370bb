// The host's Application object, called late-bound by member name: what Office hands to
// OnConnection, seen through the core's HostApplication seam.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include "core/host_application.h"
#include "core/win/automation_values.h"
#include "core/win/com_ptr.h"

namespace trelvane::win {

class DispatchHost final : public HostApplication {
 public:
  explicit DispatchHost(com_ptr<IDispatch> application) : application_(std::move(application)) {}

  std::string Name() override;
  std::string Version() override;
  std::uint32_t UiLanguageId() override;
  bool DocumentMap() override;
  void SetDocumentMap(bool shown) override;
  std::int32_t CurrentObjectType() override;
  bool GetPressedMso(std::string_view id_mso) override;
  std::vector<bool> GetPressedMsos(std::span<const std::string_view> id_msos) override;

 private:
  com_ptr<IDispatch> ActiveWindow();
  unique_variant CommandBars();

  com_ptr<IDispatch> application_;
};

}  // namespace trelvane::win
