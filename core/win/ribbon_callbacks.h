// The add-in object's public members as the host finds them by name through IDispatch, and the
// check of what the host passes them. Each member has a shape that says how it is called: ribbon
// callbacks take the IRibbonControl (which Office passes as VT_DISPATCH), onLoad takes the
// IRibbonUI, getters hand back a value.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <span>
#include <string_view>

namespace trelvane::win {

enum class MemberShape {
  kDocument,      // no argument; returns the ribbon document as VT_BSTR (GetRibbonXML)
  kClick,         // the clicked control; returns nothing (onAction)
  kVisible,       // the control; returns VT_BOOL (getVisible)
  kContent,       // the control; returns a menu document as VT_BSTR (getContent)
  kRibbonLoaded,  // the IRibbonUI object; returns nothing (onLoad)
  kAction,        // no argument; returns nothing (a public method of the class)
  kObject,        // no argument; read as a property, returns VT_DISPATCH (a public member)
};

struct Member {
  std::string_view name;  // ASCII; found whatever its case, as Automation names are
  MemberShape shape;
};

// The members every add-in has: GetRibbonXML, ShowAbout0, Uninstall0, and Document0 where the
// add-in offers it.
enum class SharedMember { kGetRibbonXML, kShowAbout0, kUninstall0, kDocument0 };
std::span<const Member> SharedMembers(bool with_document_map);
SharedMember SharedMemberAt(std::size_t index);

// DISPIDs start far above those of IDTExtensibility2 (1 to 5) and IRibbonExtensibility (1),
// which reach the object through its vtable: a dispatch call aimed at an interface method can
// never run a member.
inline constexpr DISPID kFirstMemberDispid = 0x1000;

// The index of the member named `name`, or -1.
int FindMember(std::span<const Member> members, std::wstring_view name);

// What a call passed, borrowed from its DISPPARAMS.
struct CallArguments {
  IUnknown* object = nullptr;  // for shapes that take an object
  // getVisible and getContent called as a Sub with the result as a second, by-reference
  // argument, as hosts of the VB era call them: VT_BYREF with VT_BOOL (getVisible) or VT_BSTR
  // (getContent), or VT_BYREF|VT_VARIANT.
  VARIANT* result = nullptr;
};

// S_OK when `flags` and `params` fit a member of `shape`; otherwise the DISP_E_ code (or
// E_POINTER) that Invoke returns, with *argument_error naming the offending argument where there
// is one. *arguments receives what was passed.
HRESULT CheckCall(MemberShape shape, WORD flags, const DISPPARAMS* params, CallArguments* arguments,
                  UINT* argument_error) noexcept;

// Writes the member's answer `value` (VT_BOOL or VT_BSTR) into the by-reference result argument,
// letting go of what it held before, as an in-out argument's callee does.
HRESULT StoreResultArgument(const VARIANT& value, VARIANT* argument) noexcept;

}  // namespace trelvane::win
