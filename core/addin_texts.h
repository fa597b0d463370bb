// What an add-in's windows say, in the language of its last document: the About window and the
// uninstall instructions. Built from the host's word ("Excel"), never naming an Office version.
#pragma once

#include <string>
#include <string_view>

#include "core/language.h"

namespace trelvane {

struct AboutTexts {
  std::string caption;  // "About Trelvane for Excel"
  std::string title;    // "Trelvane for Excel"
  std::string version;  // "Version 7.0.0"
  std::string website;  // "Website: ", before the address
  std::string ok;       // the button
};

AboutTexts AboutWindowTexts(std::string_view host_word, Language language,
                            std::string_view version_number);

// What Uninstall0 shows: close the host, then where Windows uninstalls Trelvane.
std::string UninstallMessage(std::string_view host_word, Language language);

}  // namespace trelvane
