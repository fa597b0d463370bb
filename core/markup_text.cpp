#include "core/markup_text.h"

#include <array>
#include <vector>

namespace trelvane {
namespace {

constexpr std::array<std::string_view, 3> kTextAttributes = {"label", "screentip", "supertip"};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// One attribute of a start tag: where it begins (its leading blanks), its name and its value.
struct Attribute {
  std::size_t begin = 0;  // the first blank before the name
  std::size_t end = 0;    // just past the closing quote
  std::string_view name;
  std::string_view value;
  std::size_t value_begin = 0;
};

// The attributes of the start tag `tag` ("<menu id=... >", without the closing '>').
std::vector<Attribute> AttributesOf(std::string_view tag) {
  std::vector<Attribute> out;
  std::size_t at = tag.find_first_of(" \t\r\n");
  while (at != std::string_view::npos && at < tag.size()) {
    Attribute attribute;
    attribute.begin = at;
    while (at < tag.size() && IsBlank(tag[at]))
      ++at;
    const std::size_t name_begin = at;
    while (at < tag.size() && IsNameChar(tag[at]))
      ++at;
    attribute.name = tag.substr(name_begin, at - name_begin);
    while (at < tag.size() && IsBlank(tag[at]))
      ++at;
    if (attribute.name.empty() || at >= tag.size() || tag[at] != '=')
      break;
    ++at;
    while (at < tag.size() && IsBlank(tag[at]))
      ++at;
    if (at >= tag.size() || tag[at] != '"')
      break;
    const std::size_t close = tag.find('"', at + 1);
    if (close == std::string_view::npos)
      break;
    attribute.value_begin = at + 1;
    attribute.value = tag.substr(at + 1, close - at - 1);
    attribute.end = close + 1;
    out.push_back(attribute);
    at = close + 1;
  }
  return out;
}

bool IsTextAttribute(std::string_view name) {
  for (std::string_view text : kTextAttributes) {
    if (name == text)
      return true;
  }
  return false;
}

std::string RewriteTag(std::string_view tag, const TextRewrite& rewrite) {
  const std::vector<Attribute> attributes = AttributesOf(tag);
  bool built_in = false;
  for (const Attribute& attribute : attributes)
    built_in = built_in || attribute.name == "idMso";
  std::string out;
  std::size_t copied = 0;
  for (const Attribute& attribute : attributes) {
    if (!IsTextAttribute(attribute.name))
      continue;
    const std::optional<std::string> value = rewrite(attribute.value, built_in);
    if (!value) {
      out.append(tag.substr(copied, attribute.begin - copied));
    } else {
      out.append(tag.substr(copied, attribute.value_begin - copied));
      out.append(*value);
      out += '"';
    }
    copied = attribute.end;
  }
  out.append(tag.substr(copied));
  return out;
}

}  // namespace

std::string RewriteTextAttributes(std::string_view markup, const TextRewrite& rewrite) {
  std::string out;
  std::size_t at = 0;
  while (at < markup.size()) {
    const std::size_t open = markup.find('<', at);
    if (open == std::string_view::npos || open + 1 >= markup.size() || markup[open + 1] == '/' ||
        markup[open + 1] == '?' || markup[open + 1] == '!') {
      const std::size_t next = open == std::string_view::npos ? markup.size() : open + 1;
      out.append(markup.substr(at, next - at));
      at = next;
      continue;
    }
    const std::size_t close = markup.find('>', open);
    if (close == std::string_view::npos) {
      out.append(markup.substr(at));
      break;
    }
    out.append(markup.substr(at, open - at));
    out.append(RewriteTag(markup.substr(open, close - open), rewrite));
    at = close;
  }
  return out;
}

}  // namespace trelvane
