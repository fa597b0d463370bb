// Calls on host objects by member name, as Automation clients make them. Every failure becomes
// BuildFailure (kHost) carrying the host's HRESULT; `what` names the member in the reason
// ("Application.ActiveWindow").
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <string_view>

#include "core/win/automation_values.h"

namespace trelvane::win {

DISPID MemberId(IDispatch* object, const wchar_t* name, std::string_view what);

// The property's value; a property of a type `type` cannot be converted to fails with the
// conversion's HRESULT.
unique_variant GetProperty(IDispatch* object, const wchar_t* name, VARTYPE type,
                           std::string_view what);

// A property that takes one number, as LanguageSettings.LanguageID(2).
unique_variant GetIndexedProperty(IDispatch* object, const wchar_t* name, std::int32_t index,
                                  VARTYPE type, std::string_view what);

void PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value,
                 std::string_view what);

// Calls the method with one text argument and returns its result as `type`.
unique_variant CallMethod(IDispatch* object, const wchar_t* name, std::wstring_view argument,
                          VARTYPE type, std::string_view what);
// The same for a method whose id MemberId has found, to call it again without a lookup.
unique_variant CallMethod(IDispatch* object, DISPID id, std::wstring_view argument, VARTYPE type,
                          std::string_view what);

}  // namespace trelvane::win
