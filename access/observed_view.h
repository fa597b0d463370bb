// What the visibility rules read of Access, taken in one look: the kind of the active object and
// whether the design and datasheet view buttons are pressed. The refresh compares one look with
// the last to tell whether the Classic tab can have changed at all.
#pragma once

#include "access/object_kind.h"
#include "core/host_application.h"

namespace trelvane::access {

struct ObservedView {
  // A host query failed. Such a look is a state of its own; its other members are left at
  // their defaults so that two failed looks compare equal.
  bool failed = false;
  ObjectKind kind = ObjectKind::kOther;
  bool design = false;
  bool datasheet = false;

  static ObservedView Failed() { return ObservedView{.failed = true}; }
  bool operator==(const ObservedView&) const = default;
};

// Asks CurrentObjectType, reads CommandBars once and asks its GetPressedMso for the two view
// buttons: four host calls, fewer when one fails (the look stops there). A host failure
// (BuildFailure) gives the failed look; anything else thrown passes on.
ObservedView ObserveView(HostApplication& host);

}  // namespace trelvane::access
