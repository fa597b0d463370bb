#include "core/win/dispatch_host.h"

#include "core/win/hresult.h"
#include "core/win/late_binding.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

std::string TextProperty(IDispatch* object, const wchar_t* name, std::string_view what) {
  const unique_variant value = GetProperty(object, name, VT_BSTR, what);
  const BSTR text = V_BSTR(value.get());
  return Narrow(text ? std::wstring_view(text, ::SysStringLen(text)) : std::wstring_view());
}

}  // namespace

std::string DispatchHost::Name() {
  return TextProperty(application_.get(), L"Name", "Application.Name");
}

std::string DispatchHost::Version() {
  return TextProperty(application_.get(), L"Version", "Application.Version");
}

std::uint32_t DispatchHost::UiLanguageId() {
  constexpr std::int32_t kMsoLanguageIdUi = 2;
  const unique_variant settings = GetProperty(application_.get(), L"LanguageSettings", VT_DISPATCH,
                                              "Application.LanguageSettings");
  if (!V_DISPATCH(settings.get()))
    FailWith(FailureKind::kHost, "the host has no language settings", E_FAIL);
  const unique_variant id =
      GetIndexedProperty(V_DISPATCH(settings.get()), L"LanguageID", kMsoLanguageIdUi, VT_I4,
                         "LanguageSettings.LanguageID");
  return static_cast<std::uint32_t>(V_I4(id.get()));
}

com_ptr<IDispatch> DispatchHost::ActiveWindow() {
  unique_variant window =
      GetProperty(application_.get(), L"ActiveWindow", VT_DISPATCH, "Application.ActiveWindow");
  // No document open: the host answers with Nothing.
  if (!V_DISPATCH(window.get())) {
    FailWith(FailureKind::kHost, "the host has no active window", E_FAIL);
  }
  return com_ptr<IDispatch>::copy_from(V_DISPATCH(window.get()));
}

bool DispatchHost::DocumentMap() {
  const com_ptr<IDispatch> window = ActiveWindow();
  const unique_variant shown =
      GetProperty(window.get(), L"DocumentMap", VT_BOOL, "ActiveWindow.DocumentMap");
  return V_BOOL(shown.get()) != VARIANT_FALSE;
}

void DispatchHost::SetDocumentMap(bool shown) {
  const com_ptr<IDispatch> window = ActiveWindow();
  VARIANT value;
  ::VariantInit(&value);
  V_VT(&value) = VT_BOOL;
  V_BOOL(&value) = shown ? VARIANT_TRUE : VARIANT_FALSE;
  PutProperty(window.get(), L"DocumentMap", value, "ActiveWindow.DocumentMap");
}

std::int32_t DispatchHost::CurrentObjectType() {
  // Access answers True (-1) when nothing is selected; a value beyond 32 bits fails to convert.
  const unique_variant kind =
      GetProperty(application_.get(), L"CurrentObjectType", VT_I4, "Application.CurrentObjectType");
  return V_I4(kind.get());
}

unique_variant DispatchHost::CommandBars() {
  unique_variant bars =
      GetProperty(application_.get(), L"CommandBars", VT_DISPATCH, "Application.CommandBars");
  if (!V_DISPATCH(bars.get()))
    FailWith(FailureKind::kHost, "the host has no command bars", E_FAIL);
  return bars;
}

namespace {

constexpr std::string_view kGetPressedMso = "CommandBars.GetPressedMso";

bool IsPressed(IDispatch* bars, DISPID get_pressed, std::string_view id_mso) {
  const unique_variant pressed =
      CallMethod(bars, get_pressed, Widen(id_mso), VT_BOOL, kGetPressedMso);
  return V_BOOL(pressed.get()) != VARIANT_FALSE;
}

}  // namespace

bool DispatchHost::GetPressedMso(std::string_view id_mso) {
  const unique_variant bars = CommandBars();
  IDispatch* const object = V_DISPATCH(bars.get());
  return IsPressed(object, MemberId(object, L"GetPressedMso", kGetPressedMso), id_mso);
}

std::vector<bool> DispatchHost::GetPressedMsos(std::span<const std::string_view> id_msos) {
  const unique_variant bars = CommandBars();
  IDispatch* const object = V_DISPATCH(bars.get());
  const DISPID get_pressed = MemberId(object, L"GetPressedMso", kGetPressedMso);
  std::vector<bool> pressed;
  for (const std::string_view id_mso : id_msos)
    pressed.push_back(IsPressed(object, get_pressed, id_mso));
  return pressed;
}

}  // namespace trelvane::win
