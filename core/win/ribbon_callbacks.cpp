#include "core/win/ribbon_callbacks.h"

#include "core/ascii_case.h"

namespace trelvane::win {
namespace {

struct Entry {
  const wchar_t* name;
  RibbonCallback callback;
  int parameters;  // the IRibbonControl, or none
};

// In the order the class declares them; the DISPID is the first plus the index.
constexpr Entry kCallbacks[] = {
    {L"GetRibbonXML", RibbonCallback::kGetRibbonXML, 0},
    {L"ShowAbout0", RibbonCallback::kShowAbout0, 1},
    {L"Uninstall0", RibbonCallback::kUninstall0, 1},
    {L"Document0", RibbonCallback::kDocument0, 1},
};

bool Offered(RibbonCallback callback, bool with_document_map) {
  return callback != RibbonCallback::kDocument0 || with_document_map;
}

const Entry& EntryFor(RibbonCallback callback) {
  for (const Entry& entry : kCallbacks) {
    if (entry.callback == callback)
      return entry;
  }
  return kCallbacks[0];
}

// The clicked control: an object, passed directly or by reference, possibly wrapped in a
// VARIANT by reference. It is not used, but it must be one.
HRESULT CheckControl(const VARIANT& argument) {
  const VARIANT* value = &argument;
  if (V_VT(value) == (VT_VARIANT | VT_BYREF)) {
    value = V_VARIANTREF(value);
    if (!value)
      return E_POINTER;
  }
  IUnknown* object = nullptr;
  switch (V_VT(value)) {
    case VT_DISPATCH:
      object = V_DISPATCH(value);
      break;
    case VT_UNKNOWN:
      object = V_UNKNOWN(value);
      break;
    case VT_DISPATCH | VT_BYREF:
      if (!V_DISPATCHREF(value))
        return E_POINTER;
      object = *V_DISPATCHREF(value);
      break;
    case VT_UNKNOWN | VT_BYREF:
      if (!V_UNKNOWNREF(value))
        return E_POINTER;
      object = *V_UNKNOWNREF(value);
      break;
    case VT_ERROR:
      // How a caller leaves out an optional argument; the control is not optional.
      return V_ERROR(value) == DISP_E_PARAMNOTFOUND ? DISP_E_PARAMNOTOPTIONAL : DISP_E_TYPEMISMATCH;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  return object ? S_OK : E_POINTER;
}

}  // namespace

std::optional<RibbonCallback> CallbackNamed(std::wstring_view name, bool with_document_map) {
  for (const Entry& entry : kCallbacks) {
    if (EqualsIgnoringAsciiCase<wchar_t>(name, entry.name) &&
        Offered(entry.callback, with_document_map))
      return entry.callback;
  }
  return std::nullopt;
}

std::optional<RibbonCallback> CallbackWithId(DISPID id, bool with_document_map) {
  constexpr DISPID kCount = static_cast<DISPID>(sizeof kCallbacks / sizeof kCallbacks[0]);
  if (id < kFirstCallbackDispid || id >= kFirstCallbackDispid + kCount)
    return std::nullopt;
  const RibbonCallback callback = kCallbacks[id - kFirstCallbackDispid].callback;
  if (!Offered(callback, with_document_map))
    return std::nullopt;
  return callback;
}

DISPID CallbackId(RibbonCallback callback) {
  return kFirstCallbackDispid + static_cast<DISPID>(&EntryFor(callback) - kCallbacks);
}

HRESULT CheckCall(RibbonCallback callback, WORD flags, const DISPPARAMS* params,
                  UINT* argument_error) noexcept {
  // Procedures are methods; GetRibbonXML returns a value, so it may be read as a property too.
  const WORD accepted = callback == RibbonCallback::kGetRibbonXML
                            ? (DISPATCH_METHOD | DISPATCH_PROPERTYGET)
                            : DISPATCH_METHOD;
  if (!(flags & accepted) || (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
    return DISP_E_MEMBERNOTFOUND;
  if (!params)
    return E_POINTER;
  if (params->cNamedArgs != 0)
    return DISP_E_NONAMEDARGS;
  const Entry& entry = EntryFor(callback);
  if (params->cArgs != static_cast<UINT>(entry.parameters))
    return DISP_E_BADPARAMCOUNT;
  if (entry.parameters == 0)
    return S_OK;
  if (!params->rgvarg)
    return E_POINTER;
  // Arguments arrive last first: the control, the first parameter, is the last element.
  const HRESULT hr = CheckControl(params->rgvarg[params->cArgs - 1]);
  if (FAILED(hr) && argument_error && hr != E_POINTER)
    *argument_error = params->cArgs - 1;
  return hr;
}

}  // namespace trelvane::win
