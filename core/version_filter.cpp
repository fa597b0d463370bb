#include "core/version_filter.h"

#include <cstddef>

#include "core/markup_text.h"

namespace trelvane {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool Opens(ItemKind kind) {
  return kind == ItemKind::kBeginMenu || kind == ItemKind::kMenuTag ||
         kind == ItemKind::kBeginGroup;
}

bool Closes(ItemKind kind) {
  return kind == ItemKind::kEndMenu || kind == ItemKind::kEndGroup;
}

// Separators in menus, gaps on the tab.
bool Divides(ItemKind kind) {
  return kind == ItemKind::kSeparator || kind == ItemKind::kSpacer || kind == ItemKind::kBarGap;
}

void Flatten(std::span<const Item> items, std::vector<Item>& out) {
  for (const Item& item : items) {
    if (item.kind == ItemKind::kInclude) {
      Flatten({item.included, item.included_size}, out);
    } else {
      out.push_back(item);
    }
  }
}

// Whether a change to what came after `last_known` applies in `version`.
template <typename Change>
bool AppliesIn(const Change& change, OfficeVersion version) {
  return MajorNumber(version) > MajorNumber(change.last_known);
}

// The change whose `name` (the control's id, or our text) is `value` and applies in `version`.
template <typename Change>
const Change* ChangeFor(std::span<const Change> changes, std::string_view Change::*name,
                        std::string_view value, OfficeVersion version) {
  for (const Change& change : changes) {
    if (change.*name == value && AppliesIn(change, version))
      return &change;
  }
  return nullptr;
}

// The flattened list as a tree: which menu or group each item stands in, and where each one
// closes. The top level is the parent kNone.
class ItemTree {
 public:
  explicit ItemTree(const std::vector<Item>& items)
      : closer_(items.size(), kNone), children_(items.size() + 1) {
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (Closes(items[i].kind) && !open.empty()) {
        closer_[open.back()] = i;
        open.pop_back();
        continue;
      }
      children_[open.empty() ? items.size() : open.back()].push_back(i);
      if (Opens(items[i].kind))
        open.push_back(i);
    }
  }

  std::size_t closer(std::size_t opener) const { return closer_[opener]; }
  // Every parent's children in order, the top level last.
  const std::vector<std::vector<std::size_t>>& children() const { return children_; }
  const std::vector<std::size_t>& children_of(std::size_t opener) const {
    return children_[opener];
  }

 private:
  std::vector<std::size_t> closer_;
  std::vector<std::vector<std::size_t>> children_;
};

// Where each divider stood in the full list, so that tidying keeps what was meant.
struct DividerPlace {
  bool first = false;
  bool last = false;
  std::size_t before = kNone;  // the sibling just before it
};

class Tidier {
 public:
  Tidier(const std::vector<Item>& items, std::vector<bool>& kept)
      : items_(items), kept_(kept), tree_(items), places_(items.size()) {
    for (const auto& siblings : tree_.children()) {
      for (std::size_t j = 0; j < siblings.size(); ++j) {
        DividerPlace& place = places_[siblings[j]];
        place.first = j == 0;
        place.last = j + 1 == siblings.size();
        place.before = j == 0 ? kNone : siblings[j - 1];
      }
    }
  }

  void Run() {
    while (DropEmptyContainer() || DropStrayDivider()) {
    }
  }

 private:
  std::vector<std::size_t> KeptChildren(const std::vector<std::size_t>& siblings) const {
    std::vector<std::size_t> out;
    for (std::size_t i : siblings) {
      if (kept_[i])
        out.push_back(i);
    }
    return out;
  }

  // A menu or button group whose every item went; one that was empty to begin with stays.
  bool DropEmptyContainer() {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!kept_[i] || !Opens(items_[i].kind) || tree_.children_of(i).empty())
        continue;
      if (!KeptChildren(tree_.children_of(i)).empty())
        continue;
      kept_[i] = false;
      if (tree_.closer(i) != kNone)
        kept_[tree_.closer(i)] = false;
      return true;
    }
    return false;
  }

  // A divider now first or last where none stood so, or now beside another where they stood
  // apart: the one that the full list did not have in that place goes.
  bool DropStrayDivider() {
    for (const auto& siblings : tree_.children()) {
      const std::vector<std::size_t> now = KeptChildren(siblings);
      for (std::size_t j = 0; j < now.size(); ++j) {
        const std::size_t d = now[j];
        if (!Divides(items_[d].kind))
          continue;
        const DividerPlace& place = places_[d];
        if ((j == 0 && !place.first) || (j + 1 == now.size() && !place.last)) {
          kept_[d] = false;
          return true;
        }
        if (j > 0 && Divides(items_[now[j - 1]].kind) && place.before != now[j - 1]) {
          // Of two now together, a trailing one that the list ends with stays.
          kept_[place.last && !places_[now[j - 1]].last ? now[j - 1] : d] = false;
          return true;
        }
      }
    }
    return false;
  }

  const std::vector<Item>& items_;
  std::vector<bool>& kept_;
  ItemTree tree_;
  std::vector<DividerPlace> places_;
};

template <typename Change>
bool AnyAppliesTo(std::span<const Change> changes, OfficeVersion version) {
  for (const Change& change : changes) {
    if (AppliesIn(change, version))
      return true;
  }
  return false;
}

}  // namespace

std::vector<Item> ItemsWrittenOut(std::span<const Item> items) {
  std::vector<Item> flat;
  Flatten(items, flat);
  return flat;
}

void ChangeTextsForVersion(std::vector<Item>& items, std::span<const TextChange> changes,
                           OfficeVersion version, std::deque<std::string>& texts) {
  if (!AnyAppliesTo(changes, version))
    return;
  const auto changed = [&](std::string_view text) {
    const TextChange* change = ChangeFor(changes, &TextChange::text, text, version);
    return change ? change->later_text : text;
  };
  // Whether a literal tag holds a changed text anywhere, before it is taken apart.
  const auto mentions_one = [&](std::string_view text) {
    for (const TextChange& change : changes) {
      if (text.find(change.text) != std::string_view::npos)
        return true;
    }
    return false;
  };
  for (Item& item : items) {
    if (item.kind == ItemKind::kMenuTag || item.kind == ItemKind::kLiteral) {
      if (!mentions_one(item.text))
        continue;
      std::string text = RewriteTextAttributes(
          item.text, [&](std::string_view value, bool) -> std::optional<std::string> {
            return std::string(changed(value));
          });
      if (text != item.text) {
        texts.push_back(std::move(text));
        item.text = texts.back();
      }
    } else if (!NamesBuiltInControl(item)) {
      item.label = changed(item.label);
      item.screentip = changed(item.screentip);
    }
  }
}

std::vector<Item> ItemsForVersion(std::span<const Item> items,
                                  std::span<const VersionChange> changes, OfficeVersion version) {
  std::vector<Item> flat = ItemsWrittenOut(items);
  std::vector<bool> kept(flat.size(), true);
  bool dropped = false;
  for (std::size_t i = 0; i < flat.size(); ++i) {
    if (!NamesBuiltInControl(flat[i]))
      continue;
    if (const VersionChange* change =
            ChangeFor(changes, &VersionChange::id_mso, flat[i].id_mso, version)) {
      if (change->later_id_mso.empty()) {
        kept[i] = false;
        dropped = true;
      } else {
        flat[i].id_mso = change->later_id_mso;
      }
    }
  }
  if (!dropped)
    return flat;
  Tidier(flat, kept).Run();
  std::vector<Item> out;
  out.reserve(flat.size());
  for (std::size_t i = 0; i < flat.size(); ++i) {
    if (kept[i])
      out.push_back(flat[i]);
  }
  return out;
}

VersionedContent::VersionedContent(const HostContent& content,
                                   std::span<const VersionChange> changes,
                                   std::span<const TextChange> text_changes, OfficeVersion version)
    : ContentLists(content) {
  if (!AnyAppliesTo(changes, version) && !AnyAppliesTo(text_changes, version))
    return;
  Rewrite(content, [&](std::span<const Item> items) {
    std::vector<Item> out = ItemsForVersion(items, changes, version);
    ChangeTextsForVersion(out, text_changes, version, texts_);
    return out;
  });
}

}  // namespace trelvane
