// What the test host expects of each add-in DLL, written out independently of the add-ins'
// own constants.
#pragma once

#include <windows.h>

#include <string_view>

namespace trelvane::wintest {

struct AddinExpectation {
  const wchar_t* prog_id;
  CLSID clsid;
  const wchar_t* application_name;  // what the host's Application.Name says
  const wchar_t* ribbon_id;         // what the host passes to GetCustomUI for its main window
  bool other_ribbons_empty;         // Outlook: its other windows' ribbons get the empty string
  const char* host_word;            // the host's name in the add-in's windows
  const wchar_t* title;
  const wchar_t* uninstall_message;
  bool has_document_map_callback;
  bool window_has_document_map;  // PowerPoint's window has no such member
  bool follows_active_object;    // Access: visibility and content callbacks, the refresh
};

inline constexpr AddinExpectation kAddinExpectations[] = {
    {
        L"ExcelTrelvane.Connect",
        {0xE45C63E8, 0x2FF1, 0x4F13, {0xA3, 0xF9, 0x04, 0x32, 0x66, 0x79, 0x93, 0xBF}},
        L"Microsoft Excel",
        L"Microsoft.Excel.Workbook",
        false,
        "Excel",
        L"Trelvane for Excel",
        L"To uninstall, close Excel and then go to\r\rControl Panel > Programs and Features > "
        L"Trelvane > Uninstall",
        false,
        false,
        false,
    },
    {
        L"WordTrelvane.Connect",
        {0x0A800EAC, 0x46B7, 0x4F35, {0x9A, 0x76, 0xA5, 0x45, 0xB7, 0xA7, 0xD4, 0x60}},
        L"Microsoft Word",
        L"Microsoft.Word.Document",
        false,
        "Word",
        L"Trelvane for Word",
        L"To uninstall, close Word and then go to\r\rControl Panel > Programs and Features > "
        L"Trelvane > Uninstall",
        true,
        true,
        false,
    },
    {
        L"PPTTrelvane.Connect",
        {0xCC0454C0, 0x3498, 0x47CA, {0x9A, 0xBD, 0xEC, 0x8A, 0x2C, 0x22, 0x96, 0xA0}},
        L"Microsoft PowerPoint",
        L"Microsoft.PowerPoint.Presentation",
        false,
        "PowerPoint",
        L"Trelvane for PowerPoint",
        L"To uninstall, close PowerPoint and then go to\r\rControl Panel > Programs and Features > "
        L"Trelvane > Uninstall",
        true,
        false,
        false,
    },
    {
        L"AccessTrelvane.Connect",
        {0xC4B2A3C9, 0xE909, 0x4B5C, {0xBB, 0xDE, 0x28, 0xF7, 0xDC, 0xD4, 0xA1, 0x15}},
        L"Microsoft Access",
        L"Microsoft.Access.Database",  // not known to be Access's own; the add-ins ignore it
        false,
        "Access",
        L"Trelvane for Access",
        L"To uninstall, close Access and then go to\r\rControl Panel > Programs and Features > "
        L"Trelvane > Uninstall",
        true,
        false,
        true,
    },
    {
        L"OutlookTrelvane.Connect",
        {0x854F6A93, 0x4C23, 0x41EE, {0xA4, 0xF5, 0x51, 0x3D, 0x93, 0x4A, 0x75, 0x19}},
        L"Outlook",
        L"Microsoft.Outlook.Explorer",
        true,
        "Outlook",
        L"Trelvane for Outlook",
        L"To uninstall, close Outlook and then go to\r\rControl Panel > Programs and Features > "
        L"Trelvane > Uninstall",
        false,
        false,
        false,
    },
};

inline const AddinExpectation* FindExpectation(std::wstring_view prog_id) {
  for (const AddinExpectation& addin : kAddinExpectations) {
    if (prog_id == addin.prog_id)
      return &addin;
  }
  return nullptr;
}

}  // namespace trelvane::wintest
