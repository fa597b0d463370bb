#include "core/win/late_binding.h"

#include <string>

#include "core/failure.h"
#include "core/win/hresult.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

// Owns the strings an EXCEPINFO may carry.
class ExceptionInfo {
 public:
  ExceptionInfo() noexcept { info_ = EXCEPINFO{}; }
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;
  ~ExceptionInfo() {
    ::SysFreeString(info_.bstrSource);
    ::SysFreeString(info_.bstrDescription);
    ::SysFreeString(info_.bstrHelpFile);
  }

  EXCEPINFO* get() noexcept { return &info_; }

  // The code behind DISP_E_EXCEPTION, and what the object said about it.
  HRESULT Code() noexcept {
    if (info_.pfnDeferredFillIn) {
      info_.pfnDeferredFillIn(&info_);
      info_.pfnDeferredFillIn = nullptr;
    }
    return FAILED(info_.scode) ? info_.scode : DISP_E_EXCEPTION;
  }
  std::string Description() const {
    if (!info_.bstrDescription)
      return {};
    return Narrow(std::wstring_view(info_.bstrDescription, ::SysStringLen(info_.bstrDescription)));
  }

 private:
  EXCEPINFO info_;
};

[[noreturn]] void FailHost(std::string_view what, std::string_view doing, HRESULT hr,
                           std::string_view description = {}) {
  std::string reason = "the host's ";
  reason += what;
  reason += ' ';
  reason += doing;
  if (!description.empty()) {
    reason += ": ";
    reason += description;
  }
  FailWith(FailureKind::kHost, std::move(reason), hr);
}

void Invoke(IDispatch* object, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
            std::string_view what) {
  ExceptionInfo exception;
  UINT argument_error = 0;
  const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                    exception.get(), &argument_error);
  if (hr == DISP_E_EXCEPTION) {
    const HRESULT code = exception.Code();
    FailHost(what, "failed", code, exception.Description());
  }
  if (FAILED(hr))
    FailHost(what, "failed", hr);
}

}  // namespace

DISPID MemberId(IDispatch* object, const wchar_t* name, std::string_view what) {
  if (!object)
    FailHost(what, "is missing", E_POINTER);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr))
    FailHost(what, "is not known", hr);
  return id;
}

namespace {

// `value` as `type`; a value that cannot be converted fails with the conversion's HRESULT.
unique_variant As(unique_variant value, VARTYPE type, std::string_view what) {
  if (value.type() != type) {
    unique_variant converted;
    const HRESULT hr = ::VariantChangeType(converted.get(), value.get(), 0, type);
    if (FAILED(hr))
      FailHost(what, "has an unexpected type", hr);
    return converted;
  }
  return value;
}

}  // namespace

unique_variant GetProperty(IDispatch* object, const wchar_t* name, VARTYPE type,
                           std::string_view what) {
  const DISPID id = MemberId(object, name, what);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  unique_variant value;
  Invoke(object, id, DISPATCH_PROPERTYGET, none, value.put(), what);
  return As(std::move(value), type, what);
}

unique_variant GetIndexedProperty(IDispatch* object, const wchar_t* name, std::int32_t index,
                                  VARTYPE type, std::string_view what) {
  const DISPID id = MemberId(object, name, what);
  VARIANT argument;
  ::VariantInit(&argument);
  V_VT(&argument) = VT_I4;
  V_I4(&argument) = index;
  DISPPARAMS params = {&argument, nullptr, 1, 0};
  unique_variant value;
  Invoke(object, id, DISPATCH_PROPERTYGET, params, value.put(), what);
  return As(std::move(value), type, what);
}

unique_variant CallMethod(IDispatch* object, const wchar_t* name, std::wstring_view argument,
                          VARTYPE type, std::string_view what) {
  return CallMethod(object, MemberId(object, name, what), argument, type, what);
}

unique_variant CallMethod(IDispatch* object, DISPID id, std::wstring_view argument, VARTYPE type,
                          std::string_view what) {
  unique_variant text;
  V_VT(text.get()) = VT_BSTR;
  V_BSTR(text.get()) = MakeBstr(argument).release();
  DISPPARAMS params = {text.get(), nullptr, 1, 0};
  unique_variant value;
  Invoke(object, id, DISPATCH_METHOD, params, value.put(), what);
  return As(std::move(value), type, what);
}

void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value,
                 std::string_view what) {
  const DISPID id = MemberId(object, name, what);
  VARIANT argument = value;  // a shallow copy: Invoke does not take ownership
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&argument, &named, 1, 1};
  Invoke(object, id, DISPATCH_PROPERTYPUT, params, nullptr, what);
}

}  // namespace trelvane::win
