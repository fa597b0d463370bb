// The kinds of object that Access reports as active (Application.CurrentObjectType), and how
// the add-in tells them apart: the value is compared with the kinds in one fixed order, the first
// match deciding, and any value that matches none is "other".
#pragma once

#include <cstdint>

namespace trelvane::access {

enum class ObjectKind { kTable, kQuery, kForm, kReport, kMacro, kModule, kOther };

ObjectKind KindOf(std::int32_t current_object_type);

}  // namespace trelvane::access
