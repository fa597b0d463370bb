// Stand-ins for the Office objects an add-in meets: the Application (Name, Version and
// LanguageSettings when told them, ActiveWindow and, for Access, CurrentObjectType and
// CommandBars), its window (DocumentMap),
// Access's command bars (GetPressedMso), a ribbon control and the ribbon itself (IRibbonUI). Each
// answers late-bound calls only, as Office's objects do for an add-in that binds by name, and
// counts its references so that a test can see every one returned. The test owns them; a Release
// never deletes.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/win/office_interfaces.h"

namespace trelvane::wintest {

class FakeDispatch : public IDispatch {
 public:
  FakeDispatch() = default;
  FakeDispatch(const FakeDispatch&) = delete;
  FakeDispatch& operator=(const FakeDispatch&) = delete;
  virtual ~FakeDispatch() = default;

  // References beyond the test's own.
  LONG borrowed() const { return references_ - 1; }

  int lookups = 0;  // GetIDsOfNames calls
  int calls = 0;    // Invoke calls

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override;

 protected:
  virtual std::optional<DISPID> Member(std::wstring_view name) const = 0;
  virtual HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
                       EXCEPINFO* exception) = 0;

 private:
  LONG references_ = 1;
};

// Word's window: DocumentMap is a read/write Boolean. A window without it stands for hosts
// (PowerPoint) whose window has no such member.
class FakeWindow final : public FakeDispatch {
 public:
  explicit FakeWindow(bool has_document_map) : has_document_map_(has_document_map) {}

  bool document_map = false;
  int puts = 0;              // successful DocumentMap writes
  bool put_misused = false;  // a write that did not follow the DISPID_PROPERTYPUT convention

 protected:
  std::optional<DISPID> Member(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
               EXCEPINFO* exception) override;

 private:
  bool has_document_map_;
};

// Access's CommandBars: GetPressedMso says whether a view button is pressed.
class FakeCommandBars final : public FakeDispatch {
 public:
  bool design = false;     // "ViewsDesignView"
  bool datasheet = false;  // "ViewsDatasheetView"
  int pressed_queries = 0;
  std::optional<HRESULT> pressed_error;  // GetPressedMso fails with it when set

 protected:
  std::optional<DISPID> Member(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
               EXCEPINFO* exception) override;
};

// Office's LanguageSettings: LanguageID(msoLanguageIDUI = 2) is the UI language's LCID, its
// one member (so `calls` counts its reads).
class FakeLanguageSettings final : public FakeDispatch {
 public:
  LONG ui_language = 1033;

 protected:
  std::optional<DISPID> Member(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
               EXCEPINFO* exception) override;
};

class FakeApplication final : public FakeDispatch {
 public:
  // `window` null: ActiveWindow is Nothing (no document open). `command_bars` not null: the
  // Application is Access's, with CurrentObjectType and CommandBars.
  FakeApplication(std::wstring name, FakeWindow* window, FakeCommandBars* command_bars = nullptr)
      : name_(std::move(name)), window_(window), command_bars_(command_bars) {}

  // When set, reading Name raises this error through EXCEPINFO, as a busy host does.
  std::optional<HRESULT> name_error;
  int name_reads = 0;

  // Application.Version ("16.0"); none: the Application has no such member.
  std::optional<std::wstring> version;
  int version_reads = 0;

  // Application.LanguageSettings; null: the Application has no such member.
  FakeLanguageSettings* language_settings = nullptr;
  int language_settings_reads = 0;

  // CurrentObjectType answers this value as this type (VT_I4, VT_I2, VT_BOOL, VT_R8), or raises
  // the error when one is set.
  double object_type = -1;
  VARTYPE object_type_type = VT_I4;
  std::optional<HRESULT> object_type_error;
  int object_type_reads = 0;
  int command_bars_reads = 0;

 protected:
  std::optional<DISPID> Member(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
               EXCEPINFO* exception) override;

 private:
  std::wstring name_;
  FakeWindow* window_;
  FakeCommandBars* command_bars_;
};

// The ribbon Office hands to onLoad: counts Invalidate calls and can be told to fail them. After
// a successful Invalidate it runs `redraw`, where a test plays Office asking the callbacks again.
class FakeRibbonUi final : public win::IRibbonUI {
 public:
  FakeRibbonUi() = default;
  FakeRibbonUi(const FakeRibbonUi&) = delete;
  FakeRibbonUi& operator=(const FakeRibbonUi&) = delete;

  LONG borrowed() const { return references_ - 1; }
  int invalidations = 0;  // calls, failed ones included
  int failures_left = 0;  // so many calls fail with E_FAIL before they succeed again
  std::function<void()> redraw;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  HRESULT STDMETHODCALLTYPE Invalidate() override;
  HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InvalidateControlMso(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ActivateTab(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ActivateTabMso(BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ActivateTabQ(BSTR, BSTR) override { return E_NOTIMPL; }

 private:
  LONG references_ = 1;
};

// The IRibbonControl Office passes to callbacks; the add-ins do not look into it.
class FakeControl final : public FakeDispatch {
 protected:
  std::optional<DISPID> Member(std::wstring_view) const override { return std::nullopt; }
  HRESULT Call(DISPID, WORD, DISPPARAMS&, VARIANT*, EXCEPINFO*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

}  // namespace trelvane::wintest
