// The groups of checks the test host runs against one add-in DLL.
#pragma once

#include <windows.h>

#include <string>

#include "tests/win/addin_expectations.h"
#include "tests/win/check.h"

namespace trelvane::wintest {

struct AddinUnderTest {
  const AddinExpectation& expected;
  std::wstring dll_path;
  std::wstring cases_folder;
  HRESULT(STDAPICALLTYPE* can_unload_now)();  // the DLL's own export
  HRESULT(STDAPICALLTYPE* get_class_object)(REFCLSID, REFIID, void**);
};

// Registration found through COM as Office finds it; the class object and its locks.
void CheckRegistration(CheckList& checks, const AddinUnderTest& addin);
void CheckClassObject(CheckList& checks, const AddinUnderTest& addin);

// A start as Office makes it, timed and reported, its calls into the host counted.
void CheckStartCost(CheckList& checks, const AddinUnderTest& addin);

// GetCustomUI for every prepared settings case, and before any connection.
void CheckRibbonCases(CheckList& checks, const AddinUnderTest& addin);
void CheckUnconnected(CheckList& checks, const AddinUnderTest& addin);
// GetCustomUI for a host that reports Office 14.0, 15.0 and 16.0 in turn, one that has no
// Version, and Office 16 whose LanguageSettings.LanguageID answers 1031, 1041 and 2052: each
// gets the document trelvane-ribbon prints for that version and language.
void CheckOfficeVersions(CheckList& checks, const AddinUnderTest& addin);

// One connected add-in object through its callbacks, then released.
void CheckCallbacks(CheckList& checks, const AddinUnderTest& addin);

// Access's own callbacks and its refresh, with a fake Access and ribbon.
void CheckAccess(CheckList& checks, const AddinUnderTest& addin);

// The About window's custom pointer from HAND-M.CUR next to the DLL.
void CheckHandPointer(CheckList& checks, const AddinUnderTest& addin);

}  // namespace trelvane::wintest
