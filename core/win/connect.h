// Connect: the add-in object Office creates. It is the Office add-in (IDTExtensibility2), the
// ribbon extension (IRibbonExtensibility) and, through IDispatch, the target of the ribbon
// callbacks the markup names. One object per host start; it owns the markup state and the
// About window, and keeps the host's Application from the connection until it is released.
#pragma once

#include <memory>

#include "core/ribbon_document.h"
#include "core/win/about_window.h"
#include "core/win/addin_extension.h"
#include "core/win/addin_identity.h"
#include "core/win/automation_values.h"
#include "core/win/com_ptr.h"
#include "core/win/module.h"
#include "core/win/office_interfaces.h"
#include "core/win/ribbon_callbacks.h"

namespace trelvane::win {

class Connect final : public IDTExtensibility2, public IRibbonExtensibility {
 public:
  // Creates an object and queries it for `iid`; *object is null on failure.
  static HRESULT Create(const AddinIdentity& addin, REFIID iid, void** object) noexcept;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch, shared by both dual interfaces: the ribbon callbacks.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override;

  // IDTExtensibility2
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, int connect_mode,
                                         IDispatch* add_in_instance, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(int remove_mode, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

  // IRibbonExtensibility
  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) override;

 private:
  explicit Connect(const AddinIdentity& addin);
  ~Connect();

  // A member found by DISPID: one of the shared ones, or one of the extension's.
  struct FoundMember {
    const Member* member = nullptr;
    int shared = -1;     // index into the shared members, or -1
    int extension = -1;  // index into the extension's members, or -1
  };
  std::span<const Member> Shared() const;
  FoundMember MemberWithId(DISPID id) const;

  // The ribbon document as a new BSTR; throws BuildFailure when the build fails.
  unique_bstr BuildRibbon();
  void RunShared(SharedMember member, VARIANT* result);
  void ToggleDocumentMap();
  void ShowUninstallMessage();

  ModuleReference module_reference_;
  LONG references_ = 1;
  const AddinIdentity& addin_;
  RibbonBuilder builder_;
  com_ptr<IDispatch> application_;
  AboutWindow about_;
  // Declared last, so that it goes first: it may use all of the above until then.
  std::unique_ptr<AddinExtension> extension_;
};

}  // namespace trelvane::win
