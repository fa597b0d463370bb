// When the refresh timer invalidates the ribbon. Every Invalidate makes Access redraw the whole
// ribbon and ask each getVisible callback again, so the timer invalidates only when what those
// callbacks read has changed since the last look: an idle Access is left alone.
#pragma once

#include "access/observed_view.h"

namespace trelvane::access {

class RefreshPolicy {
 public:
  // `loaded`: the look taken when the ribbon loaded, which the ribbon's first answers follow.
  explicit RefreshPolicy(const ObservedView& loaded) : last_(loaded) {}

  // One poll's look; true when the ribbon should be invalidated now. A change into the failed
  // look and out of it each count as a change; a failure that lasts does not. Once a change is
  // seen, every poll asks for an Invalidate until one goes through.
  bool Poll(const ObservedView& view);

  // What became of the Invalidate the last Poll asked for.
  void Invalidated(bool succeeded);

 private:
  ObservedView last_;
  bool pending_ = false;
};

}  // namespace trelvane::access
