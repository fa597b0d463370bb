# The add-ins' identities, written here once: the DLLs' registration code, their
# VERSIONINFO and the setup's registry entries are all generated from these lines, so they
# cannot drift apart. A CLSID is fixed for good once released.
#
#   DLL (and ProgID stem) | Office application (key under Software\Microsoft\Office) | CLSID
set(TRELVANE_ADDINS
  "ExcelTrelvane|Excel|E45C63E8-2FF1-4F13-A3F9-0432667993BF"
  "WordTrelvane|Word|0A800EAC-46B7-4F35-9A76-A545B7A7D460"
  "PPTTrelvane|PowerPoint|CC0454C0-3498-47CA-9ABD-EC8A2C2296A0"
  "AccessTrelvane|Access|C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115"
  "OutlookTrelvane|Outlook|854F6A93-4C23-41EE-A4F5-513D934A7519"
)

# trelvane_addin_fields(<line> <prefix>) sets <prefix>_NAME, _OFFICE, _CLSID, _PROG_ID,
# _PRODUCT (the product name: "Excel 2010 Trelvane", also the host's friendly name) and
# _DESCRIPTION in the caller's scope.
function(trelvane_addin_fields line prefix)
  string(REPLACE "|" ";" fields "${line}")
  list(GET fields 0 name)
  list(GET fields 1 office)
  list(GET fields 2 clsid)
  set(${prefix}_NAME "${name}" PARENT_SCOPE)
  set(${prefix}_OFFICE "${office}" PARENT_SCOPE)
  set(${prefix}_CLSID "${clsid}" PARENT_SCOPE)
  set(${prefix}_PROG_ID "${name}.Connect" PARENT_SCOPE)
  set(${prefix}_PRODUCT "${office} 2010 Trelvane" PARENT_SCOPE)
  set(${prefix}_DESCRIPTION
      "Adds the Classic tab: the menus and toolbars of earlier ${office} versions" PARENT_SCOPE)
endfunction()

# The CLSID "E45C63E8-2FF1-..." as a C++ initializer {0xE45C63E8, 0x2FF1, ...}.
function(trelvane_clsid_initializer clsid out)
  string(SUBSTRING "${clsid}" 0 8 d1)
  string(SUBSTRING "${clsid}" 9 4 d2)
  string(SUBSTRING "${clsid}" 14 4 d3)
  string(SUBSTRING "${clsid}" 19 4 d4)
  string(SUBSTRING "${clsid}" 24 12 d5)
  set(bytes "${d4}${d5}")
  set(list "")
  foreach(i RANGE 0 14 2)
    string(SUBSTRING "${bytes}" ${i} 2 byte)
    list(APPEND list "0x${byte}")
  endforeach()
  string(JOIN ", " tail ${list})
  set(${out} "{0x${d1}, 0x${d2}, 0x${d3}, {${tail}}}" PARENT_SCOPE)
endfunction()

# Writes the C++ header of the definitions into <dir>/core/win/addin_definitions.h.
function(trelvane_write_addin_definitions dir)
  set(text "// Generated from cmake/TrelvaneAddins.cmake: the add-ins' identities, shared with the\n")
  string(APPEND text "// setup's registry entries. Do not edit.\n#pragma once\n\n#include <windows.h>\n\n")
  string(APPEND text "namespace trelvane::win {\n\nstruct AddinDefinition {\n")
  string(APPEND text "  CLSID clsid;\n  const wchar_t* prog_id;\n  const wchar_t* office_application;\n")
  string(APPEND text "  const wchar_t* product_name;  // also the host's friendly name\n")
  string(APPEND text "  const wchar_t* description;   // shown in the host's COM add-ins list\n};\n")
  foreach(line IN LISTS TRELVANE_ADDINS)
    trelvane_addin_fields("${line}" A)
    trelvane_clsid_initializer("${A_CLSID}" init)
    string(APPEND text "\n// {${A_CLSID}}\ninline constexpr AddinDefinition k${A_NAME} = {\n")
    string(APPEND text "    ${init},\n    L\"${A_PROG_ID}\",\n    L\"${A_OFFICE}\",\n")
    string(APPEND text "    L\"${A_PRODUCT}\",\n    L\"${A_DESCRIPTION}\",\n};\n")
  endforeach()
  string(APPEND text "\n}  // namespace trelvane::win\n")
  file(CONFIGURE OUTPUT "${dir}/core/win/addin_definitions.h" CONTENT "${text}" @ONLY)
endfunction()

# Writes the setup's include <file>: macros that write, for the current user, exactly the keys
# each add-in's own registration writes there (its class, its ProgID, its Office add-in key with
# LoadBehavior 3), that delete them again, and that find an add-in file a running host holds.
function(trelvane_write_addin_nsis file)
  set(q "\"")
  set(dollar "$")
  set(text "; Generated from cmake/TrelvaneAddins.cmake: the add-ins' keys, as their own\n")
  string(APPEND text "; registration writes them for the current user. Do not edit.\n\n")
  set(write "!macro TrelvaneRegisterAddins FOLDER\n")
  set(remove "!macro TrelvaneUnregisterAddins\n")
  set(files "")
  foreach(line IN LISTS TRELVANE_ADDINS)
    trelvane_addin_fields("${line}" A)
    set(class "Software\\Classes\\CLSID\\{${A_CLSID}}")
    set(progid "Software\\Classes\\${A_PROG_ID}")
    set(office "Software\\Microsoft\\Office\\${A_OFFICE}\\AddIns\\${A_PROG_ID}")
    string(APPEND write "  WriteRegStr HKCU ${q}${class}${q} ${q}${q} ${q}${A_PRODUCT}${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${class}\\InprocServer32${q} ${q}${q} ")
    string(APPEND write "${q}${dollar}{FOLDER}\\${A_NAME}.dll${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${class}\\InprocServer32${q} ${q}ThreadingModel${q} ")
    string(APPEND write "${q}Apartment${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${class}\\ProgID${q} ${q}${q} ${q}${A_PROG_ID}${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${progid}${q} ${q}${q} ${q}${A_PRODUCT}${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${progid}\\CLSID${q} ${q}${q} ${q}{${A_CLSID}}${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${office}${q} ${q}FriendlyName${q} ${q}${A_PRODUCT}${q}\n")
    string(APPEND write "  WriteRegStr HKCU ${q}${office}${q} ${q}Description${q} ")
    string(APPEND write "${q}${A_DESCRIPTION}${q}\n")
    string(APPEND write "  WriteRegDWORD HKCU ${q}${office}${q} ${q}LoadBehavior${q} 3\n")
    string(APPEND remove "  DeleteRegKey HKCU ${q}${class}${q}\n")
    string(APPEND remove "  DeleteRegKey HKCU ${q}${progid}${q}\n")
    string(APPEND remove "  DeleteRegKey HKCU ${q}${office}${q}\n")
    string(APPEND files "  !insertmacro TrelvaneFileFree ${q}${dollar}{FOLDER}${q} ${A_NAME}.dll ")
    string(APPEND files "${dollar}{RESULT}\n")
  endforeach()
  string(APPEND text "${write}!macroend\n\n${remove}!macroend\n\n")
  string(APPEND text "; RESULT: the first add-in in FOLDER that a running host keeps open, or empty;\n")
  string(APPEND text "; TrelvaneFileFree (the setup's own) tests one file.\n")
  string(APPEND text "!macro TrelvaneAddinFilesFree FOLDER RESULT\n${files}!macroend\n")
  file(CONFIGURE OUTPUT "${file}" CONTENT "${text}" @ONLY)
endfunction()
