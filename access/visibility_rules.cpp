#include "access/visibility_rules.h"

#include "access/object_kind.h"

namespace trelvane::access {
namespace {

constexpr NamedVisibilityRule kRules[] = {
    {"OnGetVisibleFormOrReport", VisibilityRule::kFormOrReport},
    {"OnGetVisibleTable0", VisibilityRule::kTable0},
    {"OnGetVisibleQuery0", VisibilityRule::kQuery0},
    {"OnGetVisibleText", VisibilityRule::kText},
    {"OnGetVisibleDatasheet", VisibilityRule::kDatasheet},
    {"OnGetVisibleEdit", VisibilityRule::kEdit},
    {"OnGetVisibleView", VisibilityRule::kView},
    {"OnGetVisibleInsert", VisibilityRule::kInsert},
    {"OnGetVisibleFormat", VisibilityRule::kFormat},
    {"OnGetVisibleQuery", VisibilityRule::kQuery},
    {"OnGetVisibleRecords", VisibilityRule::kRecords},
};

// A form or a report, each comparison reading the kind again.
bool FormOrReport(HostApplication& host) {
  const bool form = host.CurrentObjectType() == 2;
  const bool report = host.CurrentObjectType() == 3;
  return form || report;
}

bool InDesign(HostApplication& host) {
  return host.GetPressedMso(kDesignViewButton);
}

bool InDatasheet(HostApplication& host) {
  return host.GetPressedMso(kDatasheetViewButton);
}

bool MenuShows(VisibilityRule rule, ObjectKind kind) {
  switch (rule) {
    case VisibilityRule::kInsert:
      return kind != ObjectKind::kOther;
    case VisibilityRule::kFormat:
      return kind == ObjectKind::kTable || kind == ObjectKind::kForm || kind == ObjectKind::kReport;
    case VisibilityRule::kQuery:
      return kind == ObjectKind::kQuery;
    case VisibilityRule::kRecords:
      return kind == ObjectKind::kTable || kind == ObjectKind::kQuery;
    default:  // Edit and View show whatever is active
      return true;
  }
}

}  // namespace

std::span<const NamedVisibilityRule> VisibilityRules() {
  return kRules;
}

bool IsVisible(VisibilityRule rule, HostApplication& host) {
  // Operands are evaluated into named values first, so that no && or || skips a host call.
  switch (rule) {
    case VisibilityRule::kFormOrReport: {
      const bool form_or_report = FormOrReport(host);
      const bool design = InDesign(host);
      return form_or_report && design;
    }
    case VisibilityRule::kTable0: {
      const bool table = host.CurrentObjectType() == 0;
      const bool design = InDesign(host);
      return table && design;
    }
    case VisibilityRule::kQuery0: {
      const bool query = host.CurrentObjectType() == 1;
      const bool design = InDesign(host);
      return query && design;
    }
    case VisibilityRule::kText: {
      const bool form_or_report = FormOrReport(host);
      const bool design = InDesign(host);
      const bool datasheet = InDatasheet(host);
      return (form_or_report && design) || datasheet;
    }
    case VisibilityRule::kDatasheet:
      return InDatasheet(host);
    default:
      return MenuShows(rule, KindOf(host.CurrentObjectType()));
  }
}

}  // namespace trelvane::access
