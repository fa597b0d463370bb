#include "access/refresh_policy.h"

namespace trelvane::access {

bool RefreshPolicy::Poll(const ObservedView& view) {
  if (view != last_) {
    last_ = view;
    pending_ = true;
  }
  return pending_;
}

void RefreshPolicy::Invalidated(bool succeeded) {
  if (succeeded)
    pending_ = false;
}

}  // namespace trelvane::access
