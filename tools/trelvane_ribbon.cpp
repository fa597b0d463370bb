// trelvane-ribbon: prints the ribbon document that a host's add-in would hand to the host,
// built from the current user's settings; for Access also what its dynamic menus and visibility
// callbacks answer for a given active object.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "access/access_host.h"
#include "access/dynamic_menus.h"
#include "access/visibility_rules.h"
#include "core/language.h"
#include "core/ribbon_document.h"
#include "core/user_settings.h"
#include "tools/host_catalog.h"

namespace trelvane {
namespace {

void PrintUsage(std::FILE* out) {
  std::string hosts;
  for (const CatalogEntry& entry : HostCatalog()) {
    if (!hosts.empty())
      hosts += ", ";
    hosts += entry.key;
  }
  std::string languages;
  for (const LanguageInfo& info : TranslatedLanguages()) {
    languages += languages.empty() ? "" : ", ";
    languages += std::string(info.name) + " " + std::string(info.tag);
  }
  std::fprintf(
      out,
      "usage: trelvane-ribbon HOST [--host-name NAME] [--office-version VERSION]\n"
      "                            [--language TAG]\n"
      "       trelvane-ribbon access [--host-name NAME] [--office-version VERSION]\n"
      "                              [--language TAG] --content MENU:KIND [--content ...]\n"
      "       trelvane-ribbon access --visibility KIND [--design] [--datasheet]\n"
      "\n"
      "Prints the Classic ribbon document that HOST's add-in returns to the host, built\n"
      "from the current user's settings: on Linux the file\n"
      "${XDG_CONFIG_HOME:-$HOME/.config}/Marrowick.ini, section [Trelvane]; on Windows\n"
      "the key HKCU\\Software\\VB and VBA Program Settings\\Marrowick\\Trelvane.\n"
      "The text is UTF-8, exactly as the add-in returns it, with no newline added; where\n"
      "the add-in adds nothing (\"Classic\" is 0, or the host's name lacks the host word)\n"
      "nothing is printed.\n"
      "\n"
      "  HOST              one of: %s\n"
      "  --host-name NAME  the host's Application name that the add-in sees\n"
      "                    (default: the real host's, such as \"Microsoft Excel\")\n"
      "  --office-version VERSION\n"
      "                    the Office version the host reports, which the document (and\n"
      "                    with --content, the menus) is written for: 14 (Office 2010, the\n"
      "                    default), 15 (Office 2013) or 16 (Office 2016, 2019, 2021 and\n"
      "                    Microsoft 365). Controls that version does not know are left\n"
      "                    out, or written with the id it knows them by.\n"
      "  --language TAG    Office's UI language, which our own texts are written in: a\n"
      "                    tag such as de-DE, ja-JP, zh-TW, or a decimal LCID (1031).\n"
      "                    Matched by its primary language; outside English Office's own\n"
      "                    commands carry no label of ours. Without it, or for a language\n"
      "                    without a table, English. The languages: %s.\n"
      "  --help            show this text\n"
      "\n"
      "Access only:\n"
      "  --content MENU:KIND  builds the document first, as at load, printing nothing of it,\n"
      "                    then answers Access's request for the content of the dynamic menu\n"
      "                    MENU (Edit, View, Insert, Format, Query or Records, in any case)\n"
      "                    while the active object is of kind KIND. Repeat it for several\n"
      "                    requests, answered in order with the ids running on; the answers\n"
      "                    are joined by one newline, with none after the last.\n"
      "  --visibility KIND prints what each getVisible callback answers, one line each,\n"
      "                    \"NAME true\" or \"NAME false\"; it reads no settings.\n"
      "  --design          with --visibility: the Design View button is pressed\n"
      "  --datasheet       with --visibility: the Datasheet View button is pressed\n"
      "  KIND              what Application.CurrentObjectType returns, a 32-bit integer:\n"
      "                    0 table, 1 query, 2 form, 3 report, 4 macro, 5 module; any other\n"
      "                    value (-1 when nothing is selected) is another kind or none\n"
      "\n"
      "Exit status: 0 when the document was built (or is empty), 1 when the build\n"
      "failed (the reason goes to standard error), 2 for a usage error.\n",
      hosts.c_str(), languages.c_str());
}

class UsageError {
 public:
  explicit UsageError(std::string message) : message_(std::move(message)) {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

struct ContentRequest {
  access::DynamicMenu menu;
  std::int32_t kind;
};

struct Options {
  const HostProfile* host = nullptr;
  std::optional<std::string> host_name;
  std::string office_version = "14.0";          // what the stand-in host answers for Version
  std::optional<std::uint32_t> ui_language_id;  // and for LanguageSettings.LanguageID
  std::vector<ContentRequest> content;
  std::optional<std::int32_t> visibility_kind;
  bool design = false;
  bool datasheet = false;
  bool help = false;
};

std::int32_t ParseKind(std::string_view text, std::string_view option) {
  std::int32_t kind = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, kind);
  if (text.empty() || error != std::errc() || stop != end) {
    throw UsageError(std::string(option) + " needs KIND as a 32-bit integer, not \"" +
                     std::string(text) + "\"");
  }
  return kind;
}

// 14, 15 or 16, as the host's Version "14.0", "15.0" or "16.0".
std::string ParseOfficeVersionOption(std::string_view text) {
  if (text != "14" && text != "15" && text != "16")
    throw UsageError("--office-version needs 14, 15 or 16, not \"" + std::string(text) + "\"");
  return std::string(text) + ".0";
}

// The LCID the stand-in host answers: the one given, or the main one of the tag's language.
std::uint32_t ParseLanguageOption(std::string_view text) {
  const std::optional<Language> language = LanguageOfTag(text);
  if (!language) {
    throw UsageError("--language needs a language tag such as de-DE or a decimal LCID, not \"" +
                     std::string(text) + "\"");
  }
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos)
    return static_cast<std::uint32_t>(std::stoul(std::string(text)));
  return InfoOf(*language).lcid;
}

ContentRequest ParseContentRequest(std::string_view text) {
  const auto colon = text.rfind(':');
  if (colon == std::string_view::npos)
    throw UsageError("--content needs MENU:KIND, not \"" + std::string(text) + "\"");
  const auto menu = access::DynamicMenuNamed(text.substr(0, colon));
  if (!menu) {
    throw UsageError("--content: \"" + std::string(text.substr(0, colon)) +
                     "\" is not one of Edit, View, Insert, Format, Query, Records");
  }
  return {*menu, ParseKind(text.substr(colon + 1), "--content")};
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  // An option's value: the next argument, or what follows "=".
  auto value_of = [&](int& i, std::string_view option) -> std::string_view {
    const std::string_view arg = argv[i];
    if (arg.size() > option.size())
      return arg.substr(option.size() + 1);
    if (i + 1 >= argc)
      throw UsageError(std::string(option) + " needs a value");
    return argv[++i];
  };
  auto is = [](std::string_view arg, std::string_view option) {
    return arg == option ||
           (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '=');
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return options;
    }
    if (is(arg, "--host-name")) {
      options.host_name = std::string(value_of(i, "--host-name"));
    } else if (is(arg, "--office-version")) {
      options.office_version = ParseOfficeVersionOption(value_of(i, "--office-version"));
    } else if (is(arg, "--language")) {
      options.ui_language_id = ParseLanguageOption(value_of(i, "--language"));
    } else if (is(arg, "--content")) {
      options.content.push_back(ParseContentRequest(value_of(i, "--content")));
    } else if (is(arg, "--visibility")) {
      options.visibility_kind = ParseKind(value_of(i, "--visibility"), "--visibility");
    } else if (arg == "--design") {
      options.design = true;
    } else if (arg == "--datasheet") {
      options.datasheet = true;
    } else if (!arg.empty() && arg.front() == '-') {
      throw UsageError("unknown option " + std::string(arg));
    } else if (options.host != nullptr) {
      throw UsageError("more than one host: " + std::string(arg));
    } else if ((options.host = FindHost(arg)) == nullptr) {
      throw UsageError("unknown host " + std::string(arg));
    }
  }
  if (options.host == nullptr)
    throw UsageError("no host given");
  const bool access_options =
      !options.content.empty() || options.visibility_kind || options.design || options.datasheet;
  if (access_options && options.host != &access::AccessHost())
    throw UsageError("--content, --visibility, --design and --datasheet are for access only");
  if (!options.content.empty() && options.visibility_kind)
    throw UsageError("--content and --visibility cannot be combined");
  if ((options.design || options.datasheet) && !options.visibility_kind)
    throw UsageError("--design and --datasheet go with --visibility");
  return options;
}

bool Print(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
    return true;
  std::fprintf(stderr, "trelvane-ribbon: cannot write the output\n");
  return false;
}

int Failed(const Failure& failure) {
  std::fprintf(stderr, "trelvane-ribbon: no document: %s\n", failure.reason.c_str());
  return 1;
}

int PrintVisibility(const Options& options) {
  StandInHost application(std::string(options.host->application_name));
  application.set_object_type(*options.visibility_kind);
  if (options.design)
    application.Press(access::kDesignViewButton);
  if (options.datasheet)
    application.Press(access::kDatasheetViewButton);
  std::string lines;
  Failure failure;
  const bool ran = CatchFailure(
      [&] {
        for (const access::NamedVisibilityRule& entry : access::VisibilityRules()) {
          lines += entry.callback;
          lines += access::IsVisible(entry.rule, application) ? " true\n" : " false\n";
        }
      },
      failure);
  if (!ran)
    return Failed(failure);
  return Print(lines) ? 0 : 1;
}

// The document, or with --content the answers to the content requests that follow the build.
int PrintDocument(const Options& options) {
  StandInHost application(options.host_name.value_or(std::string(options.host->application_name)));
  application.set_version(options.office_version);
  if (options.ui_language_id)
    application.set_ui_language_id(*options.ui_language_id);
  std::string output;
  Failure failure;
  const bool ran = CatchFailure(
      [&] {
        const auto store = OpenUserSettingsStore();
        RibbonBuilder builder(*options.host);
        RibbonXml xml = builder.GetRibbonXML(&application, *store);
        if (!xml.ok)
          throw BuildFailure(std::move(xml.failure));
        if (options.content.empty()) {
          output = std::move(xml.document);
          return;
        }
        for (std::size_t i = 0; i < options.content.size(); ++i) {
          application.set_object_type(options.content[i].kind);
          if (i > 0)
            output += '\n';
          output += access::BuildMenuContent(options.content[i].menu, application, builder.writer(),
                                             builder.office_version(), builder.language());
        }
      },
      failure);
  if (!ran)
    return Failed(failure);
  return Print(output) ? 0 : 1;
}

int Run(int argc, char** argv) {
  Options options;
  try {
    options = ParseOptions(argc, argv);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "trelvane-ribbon: %s\n", e.message().c_str());
    PrintUsage(stderr);
    return 2;
  }
  if (options.help) {
    PrintUsage(stdout);
    return 0;
  }
  return options.visibility_kind ? PrintVisibility(options) : PrintDocument(options);
}

}  // namespace
}  // namespace trelvane

int main(int argc, char** argv) {
  return trelvane::Run(argc, argv);
}
