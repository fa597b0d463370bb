// Writes a host's content lists through the emitters: the three content procedures that every
// host provides, driven by its tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/content.h"
#include "core/markup_writer.h"

namespace trelvane {

// Which emitter family a host's content is written with (see markup_writer.h).
enum class EmitterForms { kBase, kExtended };

// Plays `items` in order. `id_prefix` goes in front of the id of every literal start tag and
// literal element ("All" inside the All menu), never into its tag.
void PlayItems(MarkupWriter& writer, std::span<const Item> items, EmitterForms forms,
               std::string_view id_prefix);

// The menu bar in `mode`: kMenuBarOnTab, or kMenuBarInAllMenu for the copy inside the All menu.
void EmitMenuBar(MarkupWriter& writer, const HostContent& content, EmitterForms forms,
                 std::int32_t mode);
void EmitStandardToolbar(MarkupWriter& writer, const HostContent& content, EmitterForms forms);
void EmitFormattingToolbar(MarkupWriter& writer, const HostContent& content, EmitterForms forms);

// `text` with `prefix` put at the start of its first id attribute's value.
std::string WithIdPrefix(std::string_view text, std::string_view prefix);

}  // namespace trelvane
