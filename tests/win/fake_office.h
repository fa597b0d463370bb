// Stand-ins for the Office objects an add-in meets: the Application (Name, ActiveWindow), its
// window (DocumentMap) and a ribbon control. Each answers late-bound calls only, as Office's
// objects do for an add-in that binds by name, and counts its references so that a test can
// see every one returned. The test owns them; a Release never deletes.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <optional>
#include <string>
#include <string_view>

namespace trelvane::wintest {

class FakeDispatch : public IDispatch {
 public:
  FakeDispatch() = default;
  FakeDispatch(const FakeDispatch&) = delete;
  FakeDispatch& operator=(const FakeDispatch&) = delete;
  virtual ~FakeDispatch() = default;

  // References beyond the test's own.
  LONG borrowed() const { return references_ - 1; }

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

class FakeApplication final : public FakeDispatch {
 public:
  // `window` null: ActiveWindow is Nothing (no document open).
  FakeApplication(std::wstring name, FakeWindow* window)
      : name_(std::move(name)), window_(window) {}

  // When set, reading Name raises this error through EXCEPINFO, as a busy host does.
  std::optional<HRESULT> name_error;
  int name_reads = 0;

 protected:
  std::optional<DISPID> Member(std::wstring_view name) const override;
  HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
               EXCEPINFO* exception) override;

 private:
  std::wstring name_;
  FakeWindow* window_;
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
