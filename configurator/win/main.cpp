// Trelvane.exe: the configurator. Starting it loads the options window, which looks up the
// installed Office hosts in the registry before it shows; closing the window by any means ends the
// program.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "configurator/options_window.h"
#include "configurator/win/options_view.h"
#include "configurator/win/user_addin_registry.h"
#include "configurator/win/windows_world.h"
#include "core/user_settings.h"

namespace trelvane::configurator::win {
namespace {

// COM for the ProgID look-ups of the host checks, on this one user-interface thread.
class ComApartment {
 public:
  ComApartment() noexcept : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(hr_))
      ::CoUninitialize();
  }

 private:
  HRESULT hr_;
};

int Run(HINSTANCE instance) {
  const ComApartment apartment;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  const auto store = OpenUserSettingsStore();
  WindowsFiles files;
  WindowsLauncher launcher(files);
  UserAddinRegistry registry;
  WindowsHostProbes probes;
  WindowsMessageBoxes messages;
  // Windows' UI language: the window and its messages speak it.
  const Language language = LanguageOfLcid(::GetUserDefaultUILanguage());
  OptionsView view(instance, language);
  view.Create();
  launcher.set_owner(view.window());
  messages.set_owner(view.window());

  const Seams seams{*store, files, launcher, registry, probes, messages, view};
  OptionsWindow model(seams, language);
  view.Attach(model);
  if (!model.Load())
    return 0;  // no Office host is installed: the window never shows
  view.Show();

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (view.window() && ::IsDialogMessageW(view.window(), &message))
      continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace
}  // namespace trelvane::configurator::win

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  try {
    return trelvane::configurator::win::Run(instance);
  } catch (...) {
    // Without a window there is nothing to show a report in.
    return 1;
  }
}
