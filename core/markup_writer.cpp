#include "core/markup_writer.h"

#include <limits>

#include "core/failure.h"

namespace trelvane {
namespace {

// ` name="value"`, always written.
void Attribute(std::string& element, std::string_view name, std::string_view value) {
  element += ' ';
  element += name;
  element += "=\"";
  element += value;
  element += '"';
}

// ` name="value"` when value is not empty ("not empty" is a length test: blanks count).
void OptionalAttribute(std::string& element, std::string_view name, std::string_view value) {
  if (!value.empty())
    Attribute(element, name, value);
}

// ` getVisible = "G"`, with blanks around the equals sign, when G is not empty.
void GetVisibleAttribute(std::string& element, std::string_view get_visible) {
  if (get_visible.empty())
    return;
  element += " getVisible = \"";
  element += get_visible;
  element += '"';
}

}  // namespace

std::int32_t MarkupWriter::Next(std::int32_t& counter, std::string_view what) {
  if (counter == std::numeric_limits<std::int32_t>::max()) {
    throw BuildFailure(FailureKind::kCounterOverflow,
                       "the " + std::string(what) + " counter would pass the largest 32-bit value");
  }
  return ++counter;
}

std::string MarkupWriter::OpenControlOrIdlessButton(std::string_view element,
                                                    std::string_view id_mso) {
  std::string out = "<";
  if (id_mso.empty()) {
    out += "button id=\"sep00";
    out += std::to_string(Next(counters_.spacer, "spacer"));
    out += '"';
  } else {
    out += element;
    Attribute(out, "idMso", id_mso);
  }
  return out;
}

void MarkupWriter::EmitControl(std::string_view id_mso, std::string_view label) {
  std::string element = "<control";
  Attribute(element, "idMso", id_mso);
  OptionalAttribute(element, "label", label);
  element += "/>";
  Append(element);
}

void MarkupWriter::EmitIconControl(std::string_view id_mso, std::string_view screentip) {
  std::string element = "<control";
  Attribute(element, "idMso", id_mso);
  OptionalAttribute(element, "screentip", screentip);
  element += " showLabel=\"false\"/>";
  Append(element);
}

void MarkupWriter::EmitLabelled(std::string_view element_name, std::string_view id_mso,
                                std::string_view label, std::string_view image_mso,
                                std::string_view screentip, std::string_view on_action) {
  std::string element = OpenControlOrIdlessButton(element_name, id_mso);
  OptionalAttribute(element, "label", label);
  OptionalAttribute(element, "imageMso", image_mso);
  OptionalAttribute(element, "screentip", screentip);
  OptionalAttribute(element, "onAction", on_action);
  element += "/>";
  Append(element);
}

void MarkupWriter::EmitControl(std::string_view id_mso, std::string_view label,
                               std::string_view image_mso, std::string_view screentip,
                               std::string_view on_action) {
  EmitLabelled("control", id_mso, label, image_mso, screentip, on_action);
}

void MarkupWriter::EmitGallery(std::string_view id_mso, std::string_view label,
                               std::string_view image_mso, std::string_view screentip,
                               std::string_view on_action) {
  EmitLabelled("gallery", id_mso, label, image_mso, screentip, on_action);
}

void MarkupWriter::EmitIconControl(std::string_view id_mso, std::string_view screentip,
                                   std::string_view image_mso, std::string_view on_action,
                                   std::string_view get_visible) {
  // Unlike EmitControl, the screentip comes before the imageMso here.
  std::string element = OpenControlOrIdlessButton("control", id_mso);
  OptionalAttribute(element, "screentip", screentip);
  OptionalAttribute(element, "imageMso", image_mso);
  OptionalAttribute(element, "onAction", on_action);
  GetVisibleAttribute(element, get_visible);
  element += " showLabel=\"false\"/>";
  Append(element);
}

void MarkupWriter::BeginMenu(std::string_view label, std::string_view image_mso,
                             std::string_view screentip, std::string_view get_visible) {
  const std::string id = "BR3234" + std::to_string(Next(counters_.menu, "menu"));
  std::string element = "<menu";
  Attribute(element, "id", id);
  OptionalAttribute(element, "label", label);
  OptionalAttribute(element, "imageMso", image_mso);
  OptionalAttribute(element, "screentip", screentip);
  GetVisibleAttribute(element, get_visible);
  element += " tag = \"";
  element += id;
  element += "\">";
  Append(element);
}

void MarkupWriter::EmitComboBox(std::string_view id_mso, std::string_view get_visible) {
  std::string element = "<comboBox";
  Attribute(element, "idMso", id_mso);
  GetVisibleAttribute(element, get_visible);
  element += "/>";
  Append(element);
}

void MarkupWriter::BeginButtonGroup(std::string_view get_visible) {
  std::string element = "<buttonGroup id=\"btnGr00";
  element += std::to_string(Next(counters_.group, "button group"));
  element += '"';
  GetVisibleAttribute(element, get_visible);
  element += '>';
  Append(element);
}

void MarkupWriter::EndButtonGroup() {
  Append("</buttonGroup>");
}

void MarkupWriter::EmitSpacer(std::string_view label, std::string_view get_visible) {
  std::string element = "<button id=\"sep00";
  element += std::to_string(Next(counters_.spacer, "spacer"));
  element += '"';
  Attribute(element, "label", label);
  GetVisibleAttribute(element, get_visible);
  element += " enabled=\"false\"/>";
  Append(element);
}

void MarkupWriter::EmitMenuSeparator() {
  std::string element = "<menuSeparator id=\"msep00";
  element += std::to_string(Next(counters_.separator, "separator"));
  element += "d\"/>";
  Append(element);
}

void MarkupWriter::EndMenu(bool spacer_after) {
  Append("</menu>");
  if (spacer_after && menu_bar_mode_ == kMenuBarOnTab)
    EmitSpacer(" ");
}

void MarkupWriter::EmitDynamicMenu(std::string_view name, std::string_view label,
                                   std::string_view image_mso, std::string_view screentip) {
  const std::string number = std::to_string(Next(counters_.menu, "menu"));
  std::string element = "<dynamicMenu id=\"Dyna";
  element += name;
  element += number;
  element += '"';
  OptionalAttribute(element, "label", label);
  OptionalAttribute(element, "imageMso", image_mso);
  OptionalAttribute(element, "screentip", screentip);
  const std::string visible = "OnGetVisible" + std::string(name);
  element += " getContent = \"OnGetContent";
  element += name;
  element += "\" getVisible = \"";
  element += visible;
  element += "\" invalidateContentOnDrop = \"true\"/>";
  Append(element);
  if (menu_bar_mode_ == kMenuBarOnTab)
    EmitSpacer(" ", visible);
}

}  // namespace trelvane
