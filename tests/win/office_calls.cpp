#include "tests/win/office_calls.h"

namespace trelvane::wintest {

ExceptionInfo::~ExceptionInfo() {
  ::SysFreeString(info_.bstrSource);
  ::SysFreeString(info_.bstrDescription);
  ::SysFreeString(info_.bstrHelpFile);
}

std::wstring ExceptionInfo::description() const {
  return info_.bstrDescription ? std::wstring(info_.bstrDescription) : std::wstring();
}

com_ptr<IDispatch> CreateAddin(const wchar_t* prog_id, HRESULT& hr) {
  com_ptr<IDispatch> addin;
  CLSID clsid = {};
  hr = ::CLSIDFromProgID(prog_id, &clsid);
  if (FAILED(hr))
    return addin;
  hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, addin.put_void());
  return addin;
}

HRESULT ConnectAddin(IDispatch* addin, IDispatch* application) {
  com_ptr<win::IDTExtensibility2> extensibility;
  HRESULT hr = addin->QueryInterface(win::kIidDtExtensibility2, extensibility.put_void());
  if (FAILED(hr))
    return hr;
  SAFEARRAY* custom = nullptr;
  return extensibility->OnConnection(application, 1, nullptr, &custom);
}

CustomUi GetCustomUi(IDispatch* addin, const wchar_t* ribbon_id) {
  CustomUi answer;
  com_ptr<win::IRibbonExtensibility> ribbon;
  answer.hr = addin->QueryInterface(win::kIidRibbonExtensibility, ribbon.put_void());
  if (FAILED(answer.hr))
    return answer;
  unique_bstr id(ribbon_id ? ::SysAllocString(ribbon_id) : nullptr);
  // A string the add-in must overwrite: the test keeps owning it either way.
  unique_bstr stale(::SysAllocString(L"stale"));
  BSTR out = stale.get();
  answer.hr = ribbon->GetCustomUI(id.get(), &out);
  answer.out_untouched = out == stale.get();
  if (!answer.out_untouched) {
    unique_bstr received(out);
    answer.has_text = received.get() != nullptr;
    answer.text = std::wstring(received.view());
  }
  return answer;
}

DISPID IdOfName(IDispatch* object, const wchar_t* name, HRESULT& hr) {
  DISPID id = 12345;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT Click(IDispatch* addin, DISPID callback, IDispatch* control, ExceptionInfo* exception) {
  VARIANT argument;
  ::VariantInit(&argument);
  V_VT(&argument) = VT_DISPATCH;
  V_DISPATCH(&argument) = control;  // lent for the call, as Office does
  DISPPARAMS params = {&argument, nullptr, 1, 0};
  unique_variant result;
  UINT argument_error = 0;
  return addin->Invoke(callback, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                       result.put(), exception ? exception->get() : nullptr, &argument_error);
}

HRESULT InvokeWith(IDispatch* addin, DISPID id, WORD flags, VARIANT* arguments, UINT count,
                   VARIANT* result, UINT* argument_error, REFIID iid) {
  DISPPARAMS params = {arguments, nullptr, count, 0};
  return addin->Invoke(id, iid, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                       argument_error);
}

}  // namespace trelvane::wintest
