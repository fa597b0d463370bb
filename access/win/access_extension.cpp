#include "access/win/access_extension.h"

#include <vector>

#include "access/dynamic_menus.h"
#include "access/visibility_rules.h"
#include "access/win/refresh_window.h"
#include "core/win/automation_values.h"
#include "core/win/dispatch_host.h"
#include "core/win/hresult.h"
#include "core/win/office_interfaces.h"
#include "core/win/wide_text.h"

namespace trelvane::win {
namespace {

enum class Action { kRibbonMember, kRibbonLoaded, kInvalidateRibbon, kVisible, kContent };

// One member of the table, with what running it means.
struct Entry {
  Member member;
  Action action;
  access::VisibilityRule rule = {};
  access::DynamicMenu menu = {};
};

// oRibbon, ribbonLoaded and InvalidateRibbon, then the toolbar visibility callbacks, then for
// each dynamic menu its content and its visibility callback.
const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> table = {
        {{"oRibbon", MemberShape::kObject}, Action::kRibbonMember},
        {{"ribbonLoaded", MemberShape::kRibbonLoaded}, Action::kRibbonLoaded},
        {{"InvalidateRibbon", MemberShape::kAction}, Action::kInvalidateRibbon},
    };
    auto visible = [&](const access::NamedVisibilityRule& rule) {
      table.push_back({{rule.callback, MemberShape::kVisible}, Action::kVisible, rule.rule});
    };
    const auto rules = access::VisibilityRules();
    for (const access::NamedVisibilityRule& rule : rules) {
      if (rule.rule < access::VisibilityRule::kEdit)
        visible(rule);
    }
    for (const access::NamedDynamicMenu& menu : access::DynamicMenus()) {
      table.push_back({{menu.callback, MemberShape::kContent}, Action::kContent, {}, menu.menu});
      for (const access::NamedVisibilityRule& rule : rules) {
        if (rule.callback.substr(std::string_view("OnGetVisible").size()) == menu.name)
          visible(rule);
      }
    }
    return table;
  }();
  return entries;
}

const std::vector<Member>& MemberTable() {
  static const std::vector<Member> members = [] {
    std::vector<Member> table;
    for (const Entry& entry : Entries())
      table.push_back(entry.member);
    return table;
  }();
  return members;
}

class AccessExtension final : public AddinExtension {
 public:
  explicit AccessExtension(const ConnectParts& parts) : parts_(parts), refresh_(parts.module) {}
  ~AccessExtension() override { refresh_.Close(); }

  std::span<const Member> Members() const override { return MemberTable(); }

  void Run(std::size_t index, IUnknown* argument, VARIANT* result) override {
    const Entry& entry = Entries().at(index);
    switch (entry.action) {
      case Action::kRibbonMember:
        if (result) {
          V_VT(result) = VT_DISPATCH;  // Nothing until the ribbon has loaded
          V_DISPATCH(result) = com_ptr<IDispatch>::copy_from(ribbon_.get()).detach();
        }
        return;
      case Action::kRibbonLoaded:
        RibbonLoaded(argument);
        return;
      case Action::kInvalidateRibbon:
        InvalidateRibbon();
        return;
      case Action::kVisible: {
        DispatchHost host = Host();
        const bool visible = access::IsVisible(entry.rule, host);
        if (result) {
          V_VT(result) = VT_BOOL;
          V_BOOL(result) = visible ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return;
      }
      case Action::kContent: {
        DispatchHost host = Host();
        unique_bstr content = MakeBstr(Widen(
            access::BuildMenuContent(entry.menu, host, parts_.builder.writer(),
                                     parts_.builder.office_version(), parts_.builder.language())));
        if (result) {
          V_VT(result) = VT_BSTR;
          V_BSTR(result) = content.release();
        }
        return;
      }
    }
  }

  void OnDisconnection() noexcept override { refresh_.Close(); }

 private:
  DispatchHost Host() const {
    if (!parts_.application)
      FailWith(FailureKind::kHost, "the add-in is not connected to a host application", E_FAIL);
    return DispatchHost(parts_.application);
  }

  // Keeps the ribbon, the one reference the add-in holds, and starts the refresh.
  void RibbonLoaded(IUnknown* argument) {
    com_ptr<IRibbonUI> ribbon;
    const HRESULT hr = argument->QueryInterface(kIidRibbonUI, ribbon.put_void());
    if (FAILED(hr))
      FailWith(FailureKind::kHost, "ribbonLoaded was not given the ribbon", DISP_E_TYPEMISMATCH);
    // The one held before stays alive until the window has moved on to the new one.
    refresh_.Start(ribbon.get(), parts_.application);
    std::swap(ribbon_, ribbon);
  }

  void InvalidateRibbon() {
    if (!ribbon_)
      FailWith(FailureKind::kHost, "the ribbon has not loaded yet", OLE_E_BLANK);
    const HRESULT hr = ribbon_->Invalidate();
    if (FAILED(hr))
      FailWith(FailureKind::kHost, "the ribbon could not be invalidated", hr);
  }

  ConnectParts parts_;
  com_ptr<IRibbonUI> ribbon_;  // oRibbon
  RefreshWindow refresh_;      // declared after the ribbon it borrows, so it goes first
};

}  // namespace

std::unique_ptr<AddinExtension> MakeAccessExtension(const ConnectParts& parts) {
  return std::make_unique<AccessExtension>(parts);
}

}  // namespace trelvane::win
