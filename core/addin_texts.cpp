#include "core/addin_texts.h"

#include "core/language_tables.h"

namespace trelvane {
namespace {

std::string_view Said(Language language, std::string_view english) {
  return Text(language, TextSection::kWindows, english);
}

}  // namespace

AboutTexts AboutWindowTexts(std::string_view host_word, Language language,
                            std::string_view version_number) {
  AboutTexts texts;
  texts.title = FormatText(Said(language, "Trelvane for {0}"), {host_word});
  texts.caption = FormatText(Said(language, "About {0}"), {texts.title});
  texts.version = FormatText(Said(language, "Version {0}"), {version_number});
  texts.website = Said(language, "Website: ");
  texts.ok = Said(language, "Ok");
  return texts;
}

std::string UninstallMessage(std::string_view host_word, Language language) {
  return FormatText(
      Said(language,
           "To uninstall, close {0} and then go to\r\rControl Panel > Programs and Features > "
           "Trelvane > Uninstall"),
      {host_word});
}

}  // namespace trelvane
