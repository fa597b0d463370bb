// The Help menu's own buttons, Uninstall and then About, as the hosts write them whose labels
// name no Office version (Word, Outlook): one list, included at the end of each Help menu.
#pragma once

#include "core/content.h"

namespace trelvane::content {

// clang-format off
inline constexpr Item kOwnButtons[] = {
    Literal(R"(<button id="d24224025" label="Uninstall Trelvane" screentip="You can uninstall using this option." onAction="Uninstall0"/>)"),
    Separator(),
    Literal(R"(<button id="d242242" label="About Trelvane" onAction="ShowAbout0"/>)"),
};
// clang-format on

}  // namespace trelvane::content
