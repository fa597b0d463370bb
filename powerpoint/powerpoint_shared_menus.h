// Menus that stand both in the PowerPoint menu bar (as labelled submenus) and on the Standard
// toolbar (as image-only menus with a screentip). Each list is written once and included in both.
#pragma once

#include "core/content.h"

namespace trelvane::powerpoint {

using namespace trelvane::content;

// clang-format off
inline constexpr Item kColorGrayscaleItems[] = {
    Control("ViewDisplayInColor", "Color"),
    Control("ViewDisplayInGrayscale", "Grayscale"),
    Control("ViewDisplayInPureBlackAndWhite", "Pure Black and White"),
};

inline constexpr Item kCommentsItems[] = {
    Control("ReviewShowOrHideMarkup", "Show Markup"),
    Control("ReviewNewComment", "New Comment"),
    Control("ReviewEditComment", "Edit Comment"),
    Control("ReviewDeleteCommentsMenuPowerPoint", "Delete"),
    Control("ReviewPreviousCommentPowerPoint", "Previous"),
    Control("ReviewNextCommentPowerPoint", "Next"),
};
// clang-format on

}  // namespace trelvane::powerpoint
