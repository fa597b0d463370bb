// layer-tests: checks of the Windows layer's parts (text conversion, the registry store, the
// late-bound host wrapper, failure codes, registration) under scratch registry keys.
#include <objbase.h>

#include "tests/win/layer_checks.h"

int main() {
  using namespace trelvane::wintest;
  CheckList checks(sizeof(void*) == 8 ? "layer (64-bit)" : "layer (32-bit)");
  const HRESULT hr = ::CoInitialize(nullptr);
  CheckTextConversion(checks);
  CheckRegistryStore(checks);
  CheckFailureCodes(checks);
  CheckDispatchHost(checks);
  CheckRegistrationPlaces(checks);
  if (SUCCEEDED(hr))
    ::CoUninitialize();
  return checks.Finish();
}
