#include "access/observed_view.h"

#include "access/visibility_rules.h"

namespace trelvane::access {

ObservedView ObserveView(HostApplication& host) {
  static constexpr std::string_view kViewButtons[] = {kDesignViewButton, kDatasheetViewButton};
  try {
    ObservedView view;
    view.kind = KindOf(host.CurrentObjectType());
    const std::vector<bool> pressed = host.GetPressedMsos(kViewButtons);
    view.design = pressed.at(0);
    view.datasheet = pressed.at(1);
    return view;
  } catch (const BuildFailure&) {
    return ObservedView::Failed();
  }
}

}  // namespace trelvane::access
