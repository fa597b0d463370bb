// The add-ins' registration on Windows: for the current user, in the registry view of the
// build's bitness, writing exactly what the package and the add-in's own DllRegisterServer
// write there (core/win/registration.h), and under Wine machine-wide too, as the package does.
#pragma once

#include "configurator/seams.h"

namespace trelvane::configurator::win {

class UserAddinRegistry final : public AddinRegistry {
 public:
  void Register(const AddinEntry& addin, AddinBuild build, std::string_view file) override;
  void Unregister(const AddinEntry& addin, AddinBuild build) override;
};

}  // namespace trelvane::configurator::win
