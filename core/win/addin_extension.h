// What one host's add-in adds to the shared Connect: public members of its own, called by name
// through IDispatch like the shared ones, and work to do when the host disconnects. Access has
// one (its visibility and content callbacks and the ribbon refresh); the other hosts have none.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <span>

#include "core/ribbon_document.h"
#include "core/win/com_ptr.h"
#include "core/win/ribbon_callbacks.h"

namespace trelvane::win {

// What an extension may use of its Connect, for as long as that Connect lives.
struct ConnectParts {
  const com_ptr<IDispatch>& application;  // the host's Application; null before OnConnection
  // The document's builder: its writer, whose counters run on, and the Office version of the
  // last document.
  RibbonBuilder& builder;
  HMODULE module;  // the add-in DLL
};

class AddinExtension {
 public:
  virtual ~AddinExtension() = default;

  // The extension's members, found after the shared ones.
  virtual std::span<const Member> Members() const = 0;

  // Runs Members()[index]. `argument` is the object the host passed (the control, or the
  // IRibbonUI for kRibbonLoaded), null for members without one; `result`, when not null, is an
  // empty VARIANT to fill as the member's shape says. Throws BuildFailure.
  virtual void Run(std::size_t index, IUnknown* argument, VARIANT* result) = 0;

  // IDTExtensibility2::OnDisconnection: after it nothing of the extension may run on its own.
  virtual void OnDisconnection() noexcept {}
};

using ExtensionFactory = std::unique_ptr<AddinExtension> (*)(const ConnectParts& parts);

}  // namespace trelvane::win
