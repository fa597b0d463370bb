// Calling an add-in the way Office does: create it by ProgID, connect it, ask for the ribbon,
// and run callbacks by name through IDispatch with the arguments last first.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>

#include "core/win/automation_values.h"
#include "core/win/com_ptr.h"
#include "core/win/office_interfaces.h"

namespace trelvane::wintest {

using win::com_ptr;
using win::unique_bstr;
using win::unique_variant;

// Owns the strings an EXCEPINFO comes back with.
class ExceptionInfo {
 public:
  ExceptionInfo() { info_ = EXCEPINFO{}; }
  ExceptionInfo(const ExceptionInfo&) = delete;
  ExceptionInfo& operator=(const ExceptionInfo&) = delete;
  ~ExceptionInfo();

  EXCEPINFO* get() { return &info_; }
  HRESULT code() const { return info_.scode; }
  std::wstring description() const;

 private:
  EXCEPINFO info_;
};

// As Office does: the ProgID from the add-in's key, through the class registration.
com_ptr<IDispatch> CreateAddin(const wchar_t* prog_id, HRESULT& hr);

// OnConnection as at host start-up (ext_cm_Startup).
HRESULT ConnectAddin(IDispatch* addin, IDispatch* application);

// GetCustomUI; *stale_kept says whether the add-in left the out parameter as it found it.
struct CustomUi {
  HRESULT hr = E_UNEXPECTED;
  bool has_text = false;  // a BSTR came back (an empty one included)
  std::wstring text;
  bool out_untouched = false;
};
CustomUi GetCustomUi(IDispatch* addin, const wchar_t* ribbon_id);

DISPID IdOfName(IDispatch* object, const wchar_t* name, HRESULT& hr);

// A ribbon button's click: onAction(control), the control as VT_DISPATCH.
HRESULT Click(IDispatch* addin, DISPID callback, IDispatch* control,
              ExceptionInfo* exception = nullptr);

// Invoke with whatever arguments a test builds (already last first).
HRESULT InvokeWith(IDispatch* addin, DISPID id, WORD flags, VARIANT* arguments, UINT count,
                   VARIANT* result = nullptr, UINT* argument_error = nullptr,
                   REFIID iid = IID_NULL);

}  // namespace trelvane::wintest
