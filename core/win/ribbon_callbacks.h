// The add-in's public methods as the host finds them by name through IDispatch, and the check
// of the arguments the host passes them: ribbon callbacks take the clicked IRibbonControl,
// which Office passes as VT_DISPATCH.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <optional>
#include <string_view>

namespace trelvane::win {

enum class RibbonCallback { kGetRibbonXML, kShowAbout0, kUninstall0, kDocument0 };

// Callback DISPIDs start far above those of IDTExtensibility2 (1 to 5) and
// IRibbonExtensibility (1), which reach the object through its vtable: a dispatch call aimed at
// an interface method can never run a callback.
inline constexpr DISPID kFirstCallbackDispid = 0x1000;

// Names compare without regard to case, as Automation names do.
std::optional<RibbonCallback> CallbackNamed(std::wstring_view name, bool with_document_map);
std::optional<RibbonCallback> CallbackWithId(DISPID id, bool with_document_map);
DISPID CallbackId(RibbonCallback callback);

// S_OK when `flags` and `params` fit the callback; otherwise the DISP_E_ code (or E_POINTER)
// that Invoke returns, with *argument_error naming the offending argument where there is one.
HRESULT CheckCall(RibbonCallback callback, WORD flags, const DISPPARAMS* params,
                  UINT* argument_error) noexcept;

}  // namespace trelvane::win
