// A host's content lists as one build plays them, after a pass has rewritten them (a version, a
// language): held for as long as the build plays them, and the tables themselves where the pass
// would change nothing, so that the common case copies nothing.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "core/content.h"

namespace trelvane {

class ContentLists {
 public:
  ContentLists(const ContentLists&) = delete;
  ContentLists& operator=(const ContentLists&) = delete;

  const HostContent& lists() const { return lists_; }

 protected:
  // The tables as they stand, until Rewrite.
  explicit ContentLists(const HostContent& content) : lists_(content) {}

  // Each list through `pass` (the items in, their rewritten copy out).
  template <typename Pass>
  void Rewrite(const HostContent& content, Pass pass) {
    menu_bar_ = pass(content.menu_bar);
    standard_toolbar_ = pass(content.standard_toolbar);
    formatting_toolbar_ = pass(content.formatting_toolbar);
    after_tools_panel_ = pass(content.after_tools_panel);
    lists_ = {menu_bar_, standard_toolbar_, formatting_toolbar_, after_tools_panel_};
  }

  // Literal tags a pass rewrote; a deque keeps their places as it grows.
  std::deque<std::string> texts_;

 private:
  std::vector<Item> menu_bar_;
  std::vector<Item> standard_toolbar_;
  std::vector<Item> formatting_toolbar_;
  std::vector<Item> after_tools_panel_;
  HostContent lists_;
};

}  // namespace trelvane
