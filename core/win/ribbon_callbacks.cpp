#include "core/win/ribbon_callbacks.h"

#include "core/ascii_case.h"
#include "core/win/office_interfaces.h"

namespace trelvane::win {
namespace {

// In the order the class declares them; Document0 last, so that leaving it out keeps the others.
constexpr Member kShared[] = {
    {"GetRibbonXML", MemberShape::kDocument},
    {"ShowAbout0", MemberShape::kClick},
    {"Uninstall0", MemberShape::kClick},
    {"Document0", MemberShape::kClick},
};

bool TakesObject(MemberShape shape) {
  switch (shape) {
    case MemberShape::kClick:
    case MemberShape::kVisible:
    case MemberShape::kContent:
    case MemberShape::kRibbonLoaded:
      return true;
    default:
      return false;
  }
}

// Getters may be called as methods or read as properties, as Automation allows for a member
// that returns a value; procedures are methods only.
WORD AcceptedFlags(MemberShape shape) {
  switch (shape) {
    case MemberShape::kDocument:
    case MemberShape::kVisible:
    case MemberShape::kContent:
    case MemberShape::kObject:
      return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    default:
      return DISPATCH_METHOD;
  }
}

// An object, passed directly or by reference, possibly wrapped in a VARIANT by reference.
HRESULT ObjectArgument(const VARIANT& argument, IUnknown** object) {
  const VARIANT* value = &argument;
  if (V_VT(value) == (VT_VARIANT | VT_BYREF)) {
    value = V_VARIANTREF(value);
    if (!value)
      return E_POINTER;
  }
  switch (V_VT(value)) {
    case VT_DISPATCH:
      *object = V_DISPATCH(value);
      break;
    case VT_UNKNOWN:
      *object = V_UNKNOWN(value);
      break;
    case VT_DISPATCH | VT_BYREF:
      if (!V_DISPATCHREF(value))
        return E_POINTER;
      *object = *V_DISPATCHREF(value);
      break;
    case VT_UNKNOWN | VT_BYREF:
      if (!V_UNKNOWNREF(value))
        return E_POINTER;
      *object = *V_UNKNOWNREF(value);
      break;
    case VT_ERROR:
      // How a caller leaves out an optional argument; the object is not optional.
      return V_ERROR(value) == DISP_E_PARAMNOTFOUND ? DISP_E_PARAMNOTOPTIONAL : DISP_E_TYPEMISMATCH;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  return *object ? S_OK : E_POINTER;
}

// The by-reference result argument a getVisible or getContent Sub takes.
HRESULT ResultArgument(MemberShape shape, const VARIANT& argument, VARIANT** result) {
  const VARTYPE value_type = shape == MemberShape::kVisible ? VT_BOOL : VT_BSTR;
  if (V_VT(&argument) != (VT_BYREF | VT_VARIANT) && V_VT(&argument) != (VT_BYREF | value_type))
    return DISP_E_TYPEMISMATCH;
  if (!V_BYREF(&argument))
    return E_POINTER;
  *result = const_cast<VARIANT*>(&argument);
  return S_OK;
}

}  // namespace

std::span<const Member> SharedMembers(bool with_document_map) {
  return std::span<const Member>(kShared).first(with_document_map ? 4 : 3);
}

SharedMember SharedMemberAt(std::size_t index) {
  return static_cast<SharedMember>(index);
}

int FindMember(std::span<const Member> members, std::wstring_view name) {
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (EqualsIgnoringAsciiCase(name, members[i].name))
      return static_cast<int>(i);
  }
  return -1;
}

HRESULT CheckCall(MemberShape shape, WORD flags, const DISPPARAMS* params, CallArguments* arguments,
                  UINT* argument_error) noexcept {
  *arguments = CallArguments{};
  if (!(flags & AcceptedFlags(shape)) || (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
    return DISP_E_MEMBERNOTFOUND;
  if (!params)
    return E_POINTER;
  if (params->cNamedArgs != 0)
    return DISP_E_NONAMEDARGS;
  const UINT parameters = TakesObject(shape) ? 1 : 0;
  const bool with_result =
      (shape == MemberShape::kVisible || shape == MemberShape::kContent) && params->cArgs == 2;
  if (params->cArgs != parameters && !with_result)
    return DISP_E_BADPARAMCOUNT;
  if (parameters == 0)
    return S_OK;
  if (!params->rgvarg)
    return E_POINTER;
  // Arguments arrive last first: the object, the first parameter, is the last element.
  UINT at = params->cArgs - 1;
  HRESULT hr = ObjectArgument(params->rgvarg[at], &arguments->object);
  if (SUCCEEDED(hr) && shape == MemberShape::kRibbonLoaded) {
    // onLoad must hand over the ribbon itself; any other object is the wrong argument.
    IUnknown* ribbon = nullptr;
    hr = arguments->object->QueryInterface(kIidRibbonUI, reinterpret_cast<void**>(&ribbon));
    if (ribbon)
      ribbon->Release();
    if (FAILED(hr))
      hr = DISP_E_TYPEMISMATCH;
  }
  if (SUCCEEDED(hr) && with_result) {
    at = 0;
    hr = ResultArgument(shape, params->rgvarg[0], &arguments->result);
  }
  if (FAILED(hr)) {
    *arguments = CallArguments{};
    if (argument_error && hr != E_POINTER)
      *argument_error = at;
  }
  return hr;
}

HRESULT StoreResultArgument(const VARIANT& value, VARIANT* argument) noexcept {
  if (V_VT(argument) == (VT_BYREF | VT_VARIANT)) {
    VARIANT* target = V_VARIANTREF(argument);
    // A Variant that itself refers to the caller's Boolean or String: write through to it.
    if (V_VT(target) == (VT_BYREF | V_VT(&value)))
      return StoreResultArgument(value, target);
    const HRESULT cleared = ::VariantClear(target);
    if (FAILED(cleared))
      return cleared;
    return ::VariantCopy(target, const_cast<VARIANT*>(&value));
  }
  if (V_VT(argument) == (VT_BYREF | VT_BOOL)) {
    if (V_VT(&value) != VT_BOOL)
      return DISP_E_TYPEMISMATCH;
    *V_BOOLREF(argument) = V_BOOL(&value);
    return S_OK;
  }
  if (V_VT(&value) != VT_BSTR)
    return DISP_E_TYPEMISMATCH;
  BSTR copy = ::SysAllocStringLen(V_BSTR(&value), ::SysStringLen(V_BSTR(&value)));
  if (!copy && V_BSTR(&value))
    return E_OUTOFMEMORY;
  ::SysFreeString(*V_BSTRREF(argument));
  *V_BSTRREF(argument) = copy;
  return S_OK;
}

}  // namespace trelvane::win
