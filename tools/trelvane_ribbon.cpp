// trelvane-ribbon: prints the ribbon document that a host's add-in would hand to the host,
// built from the current user's settings.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

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
  std::fprintf(
      out,
      "usage: trelvane-ribbon HOST [--host-name NAME]\n"
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
      "  --help            show this text\n"
      "\n"
      "Exit status: 0 when the document was built (or is empty), 1 when the build\n"
      "failed (the reason goes to standard error), 2 for a usage error.\n",
      hosts.c_str());
}

int UsageError(const char* message, const char* argument) {
  std::fprintf(stderr, "trelvane-ribbon: %s%s\n", message, argument);
  PrintUsage(stderr);
  return 2;
}

int Run(int argc, char** argv) {
  const HostProfile* host = nullptr;
  const char* host_name = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(stdout);
      return 0;
    }
    if (arg == "--host-name") {
      if (i + 1 >= argc)
        return UsageError("--host-name needs a value", "");
      host_name = argv[++i];
    } else if (arg.rfind("--host-name=", 0) == 0) {
      host_name = argv[i] + std::strlen("--host-name=");
    } else if (!arg.empty() && arg.front() == '-') {
      return UsageError("unknown option ", argv[i]);
    } else if (host != nullptr) {
      return UsageError("more than one host: ", argv[i]);
    } else if ((host = FindHost(arg)) == nullptr) {
      return UsageError("unknown host ", argv[i]);
    }
  }
  if (host == nullptr)
    return UsageError("no host given", "");

  NamedHost application(host_name ? std::string(host_name) : std::string(host->application_name));
  RibbonXml xml;
  Failure failure;  // opening the store fails when there is no place for settings
  const bool ran = CatchFailure(
      [&] {
        const auto store = OpenUserSettingsStore();
        RibbonBuilder builder(*host);
        xml = builder.GetRibbonXML(&application, *store);
      },
      failure);
  if (!ran)
    xml = RibbonXml{.ok = false, .document = {}, .failure = failure};
  if (!xml.ok) {
    std::fprintf(stderr, "trelvane-ribbon: no document: %s\n", xml.failure.reason.c_str());
    return 1;
  }
  if (std::fwrite(xml.document.data(), 1, xml.document.size(), stdout) != xml.document.size() ||
      std::fflush(stdout) != 0) {
    std::fprintf(stderr, "trelvane-ribbon: cannot write the document\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace trelvane

int main(int argc, char** argv) {
  return trelvane::Run(argc, argv);
}
