#include "core/win/connect.h"

#include <optional>

#include "core/addin_texts.h"
#include "core/user_settings.h"
#include "core/win/dispatch_host.h"
#include "core/win/hresult.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

// What a failed callback tells its Automation caller.
void Describe(const Failure& failure, HRESULT hr, const wchar_t* source,
              EXCEPINFO* exception) noexcept {
  *exception = EXCEPINFO{};
  exception->scode = hr;
  exception->bstrSource = ::SysAllocString(source);
  try {
    const auto description = TryWiden(failure.reason);
    if (description)
      exception->bstrDescription = MakeBstr(*description).release();
  } catch (...) {
    // Without memory for the text, the code alone has to do.
  }
}

}  // namespace

Connect::Connect(const AddinIdentity& addin)
    : addin_(addin),
      builder_(addin.host(), ::GetUserDefaultUILanguage()),
      about_(ThisModule(), addin.link_opening) {
  if (addin.extension)
    extension_ = addin.extension(ConnectParts{application_, builder_, ThisModule()});
}

Connect::~Connect() = default;

HRESULT Connect::Create(const AddinIdentity& addin, REFIID iid, void** object) noexcept {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  return Guarded([&] {
    // The new object's own reference is dropped on the way out; the query adds the caller's.
    const auto created = com_ptr<IDTExtensibility2>::attach(new Connect(addin));
    return created->QueryInterface(iid, object);
  });
}

HRESULT Connect::QueryInterface(REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, kIidDtExtensibility2)) {
    *object = static_cast<IDTExtensibility2*>(this);
  } else if (IsEqualIID(iid, kIidRibbonExtensibility)) {
    *object = static_cast<IRibbonExtensibility*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG Connect::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG Connect::Release() {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0)
    delete this;
  return static_cast<ULONG>(left);
}

HRESULT Connect::GetTypeInfoCount(UINT* count) {
  if (!count)
    return E_POINTER;
  *count = 0;  // names are resolved by GetIDsOfNames alone
  return S_OK;
}

HRESULT Connect::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (!info)
    return E_POINTER;
  *info = nullptr;
  return DISP_E_BADINDEX;
}

std::span<const Member> Connect::Shared() const {
  return SharedMembers(addin_.toggles_document_map);
}

Connect::FoundMember Connect::MemberWithId(DISPID id) const {
  FoundMember found;
  if (id < kFirstMemberDispid)
    return found;
  const auto index = static_cast<std::size_t>(id - kFirstMemberDispid);
  const std::span<const Member> shared = Shared();
  if (index < shared.size()) {
    found.member = &shared[index];
    found.shared = static_cast<int>(index);
  } else if (extension_ && index - shared.size() < extension_->Members().size()) {
    found.member = &extension_->Members()[index - shared.size()];
    found.extension = static_cast<int>(index - shared.size());
  }
  return found;
}

HRESULT Connect::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!IsEqualIID(iid, IID_NULL))
    return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids)
    return E_POINTER;
  if (count == 0)
    return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i)
    ids[i] = DISPID_UNKNOWN;
  if (!names[0])
    return DISP_E_UNKNOWNNAME;
  const std::span<const Member> shared = Shared();
  int index = FindMember(shared, names[0]);
  if (index < 0 && extension_) {
    const int own = FindMember(extension_->Members(), names[0]);
    if (own >= 0)
      index = static_cast<int>(shared.size()) + own;
  }
  if (index < 0)
    return DISP_E_UNKNOWNNAME;
  ids[0] = kFirstMemberDispid + index;
  // The members' parameters cannot be passed by name.
  return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT Connect::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argument_error) {
  if (!IsEqualIID(iid, IID_NULL))
    return DISP_E_UNKNOWNINTERFACE;
  const FoundMember found = MemberWithId(id);
  if (!found.member)
    return DISP_E_MEMBERNOTFOUND;
  CallArguments arguments;
  const HRESULT checked = CheckCall(found.member->shape, flags, params, &arguments, argument_error);
  if (FAILED(checked))
    return checked;
  // A by-reference result argument is filled from the same answer, pVarResult or not.
  unique_variant own_answer;
  VARIANT* answer = result ? result : (arguments.result ? own_answer.put() : nullptr);
  if (answer) {
    ::VariantInit(answer);
    // A visibility callback that fails still says "not visible".
    if (found.member->shape == MemberShape::kVisible) {
      V_VT(answer) = VT_BOOL;
      V_BOOL(answer) = VARIANT_FALSE;
    }
  }

  Failure failure;
  HRESULT hr = Guarded(
      [&] {
        if (found.shared >= 0) {
          RunShared(SharedMemberAt(static_cast<std::size_t>(found.shared)), answer);
        } else {
          extension_->Run(static_cast<std::size_t>(found.extension), arguments.object, answer);
        }
        return S_OK;
      },
      failure);
  if (arguments.result && (SUCCEEDED(hr) || found.member->shape == MemberShape::kVisible)) {
    const HRESULT stored = StoreResultArgument(*answer, arguments.result);
    if (SUCCEEDED(hr) && FAILED(stored)) {
      hr = stored;
      failure.kind = FailureKind::kOutOfMemory;  // no room to copy the answer
      failure.code = stored;
    }
  }
  if (SUCCEEDED(hr))
    return hr;
  if (result && found.member->shape != MemberShape::kVisible)
    ::VariantClear(result);  // no half a value
  if (!exception)
    return hr;
  Describe(failure, hr, addin_.definition.prog_id, exception);
  return DISP_E_EXCEPTION;
}

void Connect::RunShared(SharedMember member, VARIANT* result) {
  switch (member) {
    case SharedMember::kGetRibbonXML: {
      unique_bstr xml = BuildRibbon();
      if (result) {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = xml.release();
      }
      return;
    }
    case SharedMember::kShowAbout0:
      about_.Show(addin_.host().host_word, builder_.language());
      return;
    case SharedMember::kUninstall0:
      ShowUninstallMessage();
      return;
    case SharedMember::kDocument0:
      ToggleDocumentMap();
      return;
  }
}

HRESULT Connect::OnConnection(IDispatch* application, int, IDispatch*, SAFEARRAY**) {
  if (!application)
    return E_POINTER;
  application_ = com_ptr<IDispatch>::copy_from(application);
  return S_OK;
}

HRESULT Connect::OnDisconnection(int, SAFEARRAY**) {
  if (extension_)
    extension_->OnDisconnection();
  return S_OK;
}
HRESULT Connect::OnAddInsUpdate(SAFEARRAY**) {
  return S_OK;
}
HRESULT Connect::OnStartupComplete(SAFEARRAY**) {
  return S_OK;
}
HRESULT Connect::OnBeginShutdown(SAFEARRAY**) {
  return S_OK;
}

HRESULT Connect::GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) {
  if (!ribbon_xml)
    return E_POINTER;
  *ribbon_xml = nullptr;
  return Guarded([&] {
    // A ribbon the document is not for costs no build and no call into the host.
    const std::wstring_view id(ribbon_id ? ribbon_id : L"",
                               ribbon_id ? ::SysStringLen(ribbon_id) : 0);
    *ribbon_xml =
        addin_.host().AnswersRibbon(Narrow(id)) ? BuildRibbon().release() : MakeBstr(L"").release();
    return S_OK;
  });
}

// The same document for every ribbon the host answers; "add nothing" is an empty string.
unique_bstr Connect::BuildRibbon() {
  const auto store = OpenUserSettingsStore();
  std::optional<DispatchHost> host;
  if (application_)
    host.emplace(application_);
  RibbonXml xml = builder_.GetRibbonXML(host ? &*host : nullptr, *store);
  if (!xml.ok)
    throw BuildFailure(std::move(xml.failure));
  return MakeBstr(Widen(xml.document));
}

// In the language of the document the button came with.
void Connect::ShowUninstallMessage() {
  const std::wstring text = Widen(UninstallMessage(addin_.host().host_word, builder_.language()));
  // No caption of its own: the system's default title shows.
  if (::MessageBoxW(::GetActiveWindow(), text.c_str(), nullptr, MB_OK) == 0)
    FailWithWin32(FailureKind::kInternal, "cannot show the uninstall message", ::GetLastError());
}

void Connect::ToggleDocumentMap() {
  if (!application_)
    FailWith(FailureKind::kHost, "the add-in is not connected to a host application", E_FAIL);
  DispatchHost host(application_);
  host.SetDocumentMap(!host.DocumentMap());
}

}  // namespace trelvane::win
