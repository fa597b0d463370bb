// The Office add-in interfaces, declared here because no Windows SDK header carries them. Both
// are dual interfaces: IDispatch's slots first, then their own methods, all __stdcall.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace trelvane::win {

// AddInDesignerObjects' _IDTExtensibility2.
inline constexpr IID kIidDtExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
// Office's IRibbonExtensibility.
inline constexpr IID kIidRibbonExtensibility = {
    0x000C0396, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Office's IRibbonUI, handed to the document's onLoad callback.
inline constexpr IID kIidRibbonUI = {
    0x000C03A7, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// ext_ConnectMode and ext_DisconnectMode travel as 32-bit integers.
class IDTExtensibility2 : public IDispatch {
 public:
  virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, int connect_mode,
                                                 IDispatch* add_in_instance,
                                                 SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDisconnection(int remove_mode, SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;

 protected:
  ~IDTExtensibility2() = default;
};

class IRibbonExtensibility : public IDispatch {
 public:
  virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbon_id, BSTR* ribbon_xml) = 0;

 protected:
  ~IRibbonExtensibility() = default;
};

// Invalidate makes the host ask every callback of the add-in's document again.
class IRibbonUI : public IDispatch {
 public:
  virtual HRESULT STDMETHODCALLTYPE Invalidate() = 0;
  virtual HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR control_id) = 0;
  virtual HRESULT STDMETHODCALLTYPE InvalidateControlMso(BSTR control_id) = 0;
  virtual HRESULT STDMETHODCALLTYPE ActivateTab(BSTR control_id) = 0;
  virtual HRESULT STDMETHODCALLTYPE ActivateTabMso(BSTR control_id) = 0;
  virtual HRESULT STDMETHODCALLTYPE ActivateTabQ(BSTR control_id, BSTR name_space) = 0;

 protected:
  ~IRibbonUI() = default;
};

}  // namespace trelvane::win
