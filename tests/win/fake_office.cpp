#include "tests/win/fake_office.h"

namespace trelvane::wintest {
namespace {

constexpr DISPID kName = 1;
constexpr DISPID kActiveWindow = 2;
constexpr DISPID kDocumentMap = 7;
constexpr DISPID kCurrentObjectType = 3;
constexpr DISPID kCommandBars = 4;
constexpr DISPID kGetPressedMso = 8;
constexpr DISPID kVersion = 9;
constexpr DISPID kLanguageSettings = 10;
constexpr DISPID kLanguageId = 11;

bool IsPropertyGet(WORD flags, const DISPPARAMS& params) {
  return (flags & DISPATCH_PROPERTYGET) && params.cArgs == 0 && params.cNamedArgs == 0;
}

}  // namespace

HRESULT FakeDispatch::QueryInterface(REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch))
    return E_NOINTERFACE;
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG FakeDispatch::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG FakeDispatch::Release() {
  return static_cast<ULONG>(::InterlockedDecrement(&references_));
}

HRESULT FakeDispatch::GetTypeInfoCount(UINT* count) {
  if (!count)
    return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info)
    *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT FakeDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!IsEqualIID(iid, IID_NULL))
    return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids || count != 1 || !names[0])
    return E_INVALIDARG;
  ++lookups;
  const auto id = Member(names[0]);
  ids[0] = id ? *id : DISPID_UNKNOWN;
  return id ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* exception, UINT*) {
  if (!IsEqualIID(iid, IID_NULL))
    return DISP_E_UNKNOWNINTERFACE;
  if (!params)
    return E_POINTER;
  ++calls;
  return Call(id, flags, *params, result, exception);
}

std::optional<DISPID> FakeWindow::Member(std::wstring_view name) const {
  if (has_document_map_ && name == L"DocumentMap")
    return kDocumentMap;
  return std::nullopt;
}

HRESULT FakeWindow::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result, EXCEPINFO*) {
  if (id != kDocumentMap || !has_document_map_)
    return DISP_E_MEMBERNOTFOUND;
  if (IsPropertyGet(flags, params)) {
    if (!result)
      return E_POINTER;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = document_map ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  if (flags & DISPATCH_PROPERTYPUT) {
    // Automation's rule: the new value is the one argument, named DISPID_PROPERTYPUT.
    if (params.cArgs != 1 || params.cNamedArgs != 1 || !params.rgdispidNamedArgs ||
        params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || !params.rgvarg) {
      put_misused = true;
      return DISP_E_PARAMNOTFOUND;
    }
    if (V_VT(&params.rgvarg[0]) != VT_BOOL) {
      put_misused = true;
      return DISP_E_TYPEMISMATCH;
    }
    document_map = V_BOOL(&params.rgvarg[0]) != VARIANT_FALSE;
    ++puts;
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

std::optional<DISPID> FakeCommandBars::Member(std::wstring_view name) const {
  if (name == L"GetPressedMso")
    return kGetPressedMso;
  return std::nullopt;
}

HRESULT FakeCommandBars::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
                              EXCEPINFO*) {
  if (id != kGetPressedMso || !(flags & DISPATCH_METHOD))
    return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 1 || params.cNamedArgs != 0 || !params.rgvarg)
    return DISP_E_BADPARAMCOUNT;
  if (V_VT(&params.rgvarg[0]) != VT_BSTR)
    return DISP_E_TYPEMISMATCH;
  if (!result)
    return E_POINTER;
  ++pressed_queries;
  if (pressed_error)
    return *pressed_error;
  const std::wstring_view button(V_BSTR(&params.rgvarg[0]),
                                 ::SysStringLen(V_BSTR(&params.rgvarg[0])));
  V_VT(result) = VT_BOOL;
  const bool pressed =
      (button == L"ViewsDesignView" && design) || (button == L"ViewsDatasheetView" && datasheet);
  V_BOOL(result) = pressed ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

std::optional<DISPID> FakeLanguageSettings::Member(std::wstring_view name) const {
  if (name == L"LanguageID")
    return kLanguageId;
  return std::nullopt;
}

// LanguageID is a property with one argument, the MsoAppLanguageID; only the UI's is answered.
HRESULT FakeLanguageSettings::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
                                   EXCEPINFO*) {
  if (id != kLanguageId || !(flags & DISPATCH_PROPERTYGET))
    return DISP_E_MEMBERNOTFOUND;
  if (params.cArgs != 1 || params.cNamedArgs != 0 || !params.rgvarg)
    return DISP_E_BADPARAMCOUNT;
  VARIANT which;
  ::VariantInit(&which);
  if (FAILED(::VariantChangeType(&which, &params.rgvarg[0], 0, VT_I4)))
    return DISP_E_TYPEMISMATCH;
  if (V_I4(&which) != 2)
    return E_INVALIDARG;
  if (!result)
    return E_POINTER;
  V_VT(result) = VT_I4;
  V_I4(result) = ui_language;
  return S_OK;
}

std::optional<DISPID> FakeApplication::Member(std::wstring_view name) const {
  if (name == L"Name")
    return kName;
  if (name == L"ActiveWindow")
    return kActiveWindow;
  if (version && name == L"Version")
    return kVersion;
  if (language_settings && name == L"LanguageSettings")
    return kLanguageSettings;
  if (command_bars_ && name == L"CurrentObjectType")
    return kCurrentObjectType;
  if (command_bars_ && name == L"CommandBars")
    return kCommandBars;
  return std::nullopt;
}

HRESULT FakeApplication::Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
                              EXCEPINFO* exception) {
  if (!IsPropertyGet(flags, params))
    return DISP_E_MEMBERNOTFOUND;
  if (!result)
    return E_POINTER;
  switch (id) {
    case kName:
      ++name_reads;
      if (name_error) {
        if (!exception)
          return *name_error;
        *exception = EXCEPINFO{};
        exception->scode = *name_error;
        exception->bstrDescription = ::SysAllocString(L"The host is busy.");
        return DISP_E_EXCEPTION;
      }
      V_VT(result) = VT_BSTR;
      V_BSTR(result) = ::SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
      return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
    case kVersion:
      ++version_reads;
      V_VT(result) = VT_BSTR;
      V_BSTR(result) = ::SysAllocStringLen(version->data(), static_cast<UINT>(version->size()));
      return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
    case kLanguageSettings:
      ++language_settings_reads;
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = language_settings;
      language_settings->AddRef();
      return S_OK;
    case kActiveWindow:
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = window_;
      if (window_)
        window_->AddRef();
      return S_OK;
    case kCurrentObjectType:
      ++object_type_reads;
      if (object_type_error)
        return *object_type_error;
      V_VT(result) = object_type_type;
      switch (object_type_type) {
        case VT_I2:
          V_I2(result) = static_cast<SHORT>(object_type);
          break;
        case VT_BOOL:
          V_BOOL(result) = object_type != 0 ? VARIANT_TRUE : VARIANT_FALSE;
          break;
        case VT_R8:
          V_R8(result) = object_type;
          break;
        default:
          V_VT(result) = VT_I4;
          V_I4(result) = static_cast<LONG>(object_type);
      }
      return S_OK;
    case kCommandBars:
      ++command_bars_reads;
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = command_bars_;
      command_bars_->AddRef();
      return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT FakeRibbonUi::QueryInterface(REFIID iid, void** object) {
  if (!object)
    return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) &&
      !IsEqualIID(iid, win::kIidRibbonUI))
    return E_NOINTERFACE;
  *object = static_cast<win::IRibbonUI*>(this);
  AddRef();
  return S_OK;
}

ULONG FakeRibbonUi::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG FakeRibbonUi::Release() {
  return static_cast<ULONG>(::InterlockedDecrement(&references_));
}

HRESULT FakeRibbonUi::GetTypeInfoCount(UINT* count) {
  if (!count)
    return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT FakeRibbonUi::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info)
    *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT FakeRibbonUi::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return DISP_E_UNKNOWNNAME;  // the add-in calls the ribbon through its vtable
}

HRESULT FakeRibbonUi::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT FakeRibbonUi::Invalidate() {
  ++invalidations;
  if (failures_left > 0) {
    --failures_left;
    return E_FAIL;
  }
  if (redraw)
    redraw();
  return S_OK;
}

}  // namespace trelvane::wintest
