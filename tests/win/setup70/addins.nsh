; 7.0.0's include, as cmake/TrelvaneAddins.cmake generated it for 7.0.0's setups: the add-ins'
; keys, as their own registration writes them for the current user. Kept as it was, so that the
; tests install what 7.0.0 installed.

!macro TrelvaneRegisterAddins FOLDER
  WriteRegStr HKCU "Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}" "" "Excel 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}\InprocServer32" "" "${FOLDER}\ExcelTrelvane.dll"
  WriteRegStr HKCU "Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}\InprocServer32" "ThreadingModel" "Apartment"
  WriteRegStr HKCU "Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}\ProgID" "" "ExcelTrelvane.Connect"
  WriteRegStr HKCU "Software\Classes\ExcelTrelvane.Connect" "" "Excel 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\ExcelTrelvane.Connect\CLSID" "" "{E45C63E8-2FF1-4F13-A3F9-0432667993BF}"
  WriteRegStr HKCU "Software\Microsoft\Office\Excel\AddIns\ExcelTrelvane.Connect" "FriendlyName" "Excel 2010 Trelvane"
  WriteRegStr HKCU "Software\Microsoft\Office\Excel\AddIns\ExcelTrelvane.Connect" "Description" "Adds the Classic tab: the menus and toolbars of earlier Excel versions"
  WriteRegDWORD HKCU "Software\Microsoft\Office\Excel\AddIns\ExcelTrelvane.Connect" "LoadBehavior" 3
  WriteRegStr HKCU "Software\Classes\CLSID\{0A800EAC-46B7-4F35-9A76-A545B7A7D460}" "" "Word 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\CLSID\{0A800EAC-46B7-4F35-9A76-A545B7A7D460}\InprocServer32" "" "${FOLDER}\WordTrelvane.dll"
  WriteRegStr HKCU "Software\Classes\CLSID\{0A800EAC-46B7-4F35-9A76-A545B7A7D460}\InprocServer32" "ThreadingModel" "Apartment"
  WriteRegStr HKCU "Software\Classes\CLSID\{0A800EAC-46B7-4F35-9A76-A545B7A7D460}\ProgID" "" "WordTrelvane.Connect"
  WriteRegStr HKCU "Software\Classes\WordTrelvane.Connect" "" "Word 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\WordTrelvane.Connect\CLSID" "" "{0A800EAC-46B7-4F35-9A76-A545B7A7D460}"
  WriteRegStr HKCU "Software\Microsoft\Office\Word\AddIns\WordTrelvane.Connect" "FriendlyName" "Word 2010 Trelvane"
  WriteRegStr HKCU "Software\Microsoft\Office\Word\AddIns\WordTrelvane.Connect" "Description" "Adds the Classic tab: the menus and toolbars of earlier Word versions"
  WriteRegDWORD HKCU "Software\Microsoft\Office\Word\AddIns\WordTrelvane.Connect" "LoadBehavior" 3
  WriteRegStr HKCU "Software\Classes\CLSID\{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}" "" "PowerPoint 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\CLSID\{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}\InprocServer32" "" "${FOLDER}\PPTTrelvane.dll"
  WriteRegStr HKCU "Software\Classes\CLSID\{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}\InprocServer32" "ThreadingModel" "Apartment"
  WriteRegStr HKCU "Software\Classes\CLSID\{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}\ProgID" "" "PPTTrelvane.Connect"
  WriteRegStr HKCU "Software\Classes\PPTTrelvane.Connect" "" "PowerPoint 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\PPTTrelvane.Connect\CLSID" "" "{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}"
  WriteRegStr HKCU "Software\Microsoft\Office\PowerPoint\AddIns\PPTTrelvane.Connect" "FriendlyName" "PowerPoint 2010 Trelvane"
  WriteRegStr HKCU "Software\Microsoft\Office\PowerPoint\AddIns\PPTTrelvane.Connect" "Description" "Adds the Classic tab: the menus and toolbars of earlier PowerPoint versions"
  WriteRegDWORD HKCU "Software\Microsoft\Office\PowerPoint\AddIns\PPTTrelvane.Connect" "LoadBehavior" 3
  WriteRegStr HKCU "Software\Classes\CLSID\{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}" "" "Access 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\CLSID\{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}\InprocServer32" "" "${FOLDER}\AccessTrelvane.dll"
  WriteRegStr HKCU "Software\Classes\CLSID\{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}\InprocServer32" "ThreadingModel" "Apartment"
  WriteRegStr HKCU "Software\Classes\CLSID\{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}\ProgID" "" "AccessTrelvane.Connect"
  WriteRegStr HKCU "Software\Classes\AccessTrelvane.Connect" "" "Access 2010 Trelvane"
  WriteRegStr HKCU "Software\Classes\AccessTrelvane.Connect\CLSID" "" "{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}"
  WriteRegStr HKCU "Software\Microsoft\Office\Access\AddIns\AccessTrelvane.Connect" "FriendlyName" "Access 2010 Trelvane"
  WriteRegStr HKCU "Software\Microsoft\Office\Access\AddIns\AccessTrelvane.Connect" "Description" "Adds the Classic tab: the menus and toolbars of earlier Access versions"
  WriteRegDWORD HKCU "Software\Microsoft\Office\Access\AddIns\AccessTrelvane.Connect" "LoadBehavior" 3
!macroend

!macro TrelvaneUnregisterAddins
  DeleteRegKey HKCU "Software\Classes\CLSID\{E45C63E8-2FF1-4F13-A3F9-0432667993BF}"
  DeleteRegKey HKCU "Software\Classes\ExcelTrelvane.Connect"
  DeleteRegKey HKCU "Software\Microsoft\Office\Excel\AddIns\ExcelTrelvane.Connect"
  DeleteRegKey HKCU "Software\Classes\CLSID\{0A800EAC-46B7-4F35-9A76-A545B7A7D460}"
  DeleteRegKey HKCU "Software\Classes\WordTrelvane.Connect"
  DeleteRegKey HKCU "Software\Microsoft\Office\Word\AddIns\WordTrelvane.Connect"
  DeleteRegKey HKCU "Software\Classes\CLSID\{CC0454C0-3498-47CA-9ABD-EC8A2C2296A0}"
  DeleteRegKey HKCU "Software\Classes\PPTTrelvane.Connect"
  DeleteRegKey HKCU "Software\Microsoft\Office\PowerPoint\AddIns\PPTTrelvane.Connect"
  DeleteRegKey HKCU "Software\Classes\CLSID\{C4B2A3C9-E909-4B5C-BBDE-28F7DCD4A115}"
  DeleteRegKey HKCU "Software\Classes\AccessTrelvane.Connect"
  DeleteRegKey HKCU "Software\Microsoft\Office\Access\AddIns\AccessTrelvane.Connect"
!macroend

; RESULT: the first add-in in FOLDER that a running host keeps open, or empty;
; TrelvaneFileFree (the setup's own) tests one file.
!macro TrelvaneAddinFilesFree FOLDER RESULT
  !insertmacro TrelvaneFileFree "${FOLDER}" ExcelTrelvane.dll ${RESULT}
  !insertmacro TrelvaneFileFree "${FOLDER}" WordTrelvane.dll ${RESULT}
  !insertmacro TrelvaneFileFree "${FOLDER}" PPTTrelvane.dll ${RESULT}
  !insertmacro TrelvaneFileFree "${FOLDER}" AccessTrelvane.dll ${RESULT}
!macroend
