// The texts a piece of literal markup shows: the label, screentip and supertip attributes of its
// start tags, found and rewritten without touching anything else (ids, tags, callbacks, blanks).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trelvane {

// Called for each text attribute: its value, and whether its element names a built-in control
// (has an idMso). Returns the value to write, or nothing to leave the attribute out.
using TextRewrite =
    std::function<std::optional<std::string>(std::string_view value, bool built_in)>;

// `markup` with every label, screentip and supertip attribute rewritten by `rewrite`.
std::string RewriteTextAttributes(std::string_view markup, const TextRewrite& rewrite);

}  // namespace trelvane
