// The getVisible callbacks of the Access document as functions of the host: what Access shows
// follows the kind of the active object and its view. Each rule asks the host afresh on every call
// and keeps nothing; a host query that fails ends the rule with that failure (BuildFailure).
#pragma once

#include <span>
#include <string_view>

#include "core/host_application.h"

namespace trelvane::access {

enum class VisibilityRule {
  // Toolbar elements and the toolbox group.
  kFormOrReport,
  kTable0,
  kQuery0,
  kText,
  kDatasheet,
  // The dynamic menus of the bar.
  kEdit,
  kView,
  kInsert,
  kFormat,
  kQuery,
  kRecords,
};

struct NamedVisibilityRule {
  std::string_view callback;  // the name the markup gives the callback
  VisibilityRule rule;
};

// All eleven, OnGetVisibleFormOrReport first and OnGetVisibleRecords last.
std::span<const NamedVisibilityRule> VisibilityRules();

// Whether the elements bound to `rule` show now. The toolbar rules evaluate every operand, with
// no short cut, as Access has always been asked: OnGetVisibleText reads the kind twice and asks
// for both view buttons. The menu rules read the kind once.
bool IsVisible(VisibilityRule rule, HostApplication& host);

// The built-in view buttons whose pressed state tells the view.
inline constexpr std::string_view kDesignViewButton = "ViewsDesignView";
inline constexpr std::string_view kDatasheetViewButton = "ViewsDatasheetView";

}  // namespace trelvane::access
