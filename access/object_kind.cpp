#include "access/object_kind.h"

namespace trelvane::access {

ObjectKind KindOf(std::int32_t current_object_type) {
  // The order in which the menus have always tested the kind: table, report, query, module,
  // macro, form.
  static constexpr struct {
    std::int32_t value;
    ObjectKind kind;
  } kComparisons[] = {
      {0, ObjectKind::kTable},  {3, ObjectKind::kReport}, {1, ObjectKind::kQuery},
      {5, ObjectKind::kModule}, {4, ObjectKind::kMacro},  {2, ObjectKind::kForm},
  };
  for (const auto& comparison : kComparisons) {
    if (current_object_type == comparison.value)
      return comparison.kind;
  }
  return ObjectKind::kOther;
}

}  // namespace trelvane::access
