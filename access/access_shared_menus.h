// Lists that stand in more than one place: in the menu bar and on a toolbar, or in the dynamic
// menus' lists of several kinds of object. Each is written once and included where it is used.
#pragma once

#include "core/content.h"

namespace trelvane::access {

using namespace trelvane::content;

// clang-format off

// The File menu's Page Layout submenu and the Standard toolbar's Page Layout menu.
inline constexpr Item kPageLayoutItems[] = {
    Control("PageSizeGallery", "Size"),
    Control("PageOrientationPortrait", "Portrait"),
    Control("PageOrientationLandscape", "Landscape"),
    Control("PageMarginsGallery", "Margins"),
    Control("ShowMargins", "Show Margins"),
    Control("PrintDataOnly", "Print Data Only"),
    Control("PrintColumns", "Columns"),
};

// The Tools menu's Office Links submenu and the Standard toolbar's Office Links menu.
inline constexpr Item kOfficeLinksItems[] = {
    Control("MergeToWord", "Merge it with Microsoft Office Word"),
    Control("ExportExcel", "Analyze it with Microsoft Office Excel"),
};

// The query types: the Formatting toolbar's Query Type menu and the middle of the Query menu.
inline constexpr Item kQueryTypeItems[] = {
    Control("QuerySelectQueryType", "Select"),
    Control("QueryCrosstab", "Crosstab"),
    Control("QueryMakeTable", "Make Table"),
    Control("QueryUpdate", "Update"),
    Control("QueryAppend", "Append"),
    Control("QueryDelete", "Delete"),
    Separator(),
    Control("QueryUnionQuery", "Union"),
    Control("QuerySqlPassThroughQuery", "Pass-Through"),
    Control("QueryDataDefinition", "Data Definition"),
};

// The first ten items of every Edit list.
inline constexpr Item kEditHead[] = {
    Control("Undo"),
    Control("Redo"),
    Separator(),
    Control("Cut", "Cut"),
    Control("Copy", "Copy"),
    Control("ShowClipboard", "Office Clipboard …"),
    Control("PasteSpecial", "Paste"),
    Separator(),
    Control("CreateShortcutMenuFromMacro", "Create ShortCut…"),
    Control("ClearMenuAccess", "Delete"),
};

// The tools that every View list offers, ending with their separator.
inline constexpr Item kViewTools[] = {
    Control("PropertySheet", "Property Sheet"),
    Control("ViewVisualBasicCodeAccess", "View Code"),
    Control("DatabaseObjectDependencies", "Object Dependencies"),
    Control("ViewMessageBar", "Message Bar"),
    Separator(),
};

// What every Insert list begins with; a macro's and a module's Insert list is this alone.
inline constexpr Item kInsertHead[] = {
    Menu("Tables"),
      Control("CreateTable", "Table"),
      Control("CreateTableTemplatesGallery", "Table Templates"),
      Control("CreateTableUsingSharePointListsGallery", "SharePoint Lists"),
      Control("CreateTableInDesignView", "Table Design"),
    EndMenu(),
    Menu("Query"),
      Control("CreateQueryFromWizard", "Query Wizard"),
      Control("CreateQueryInDesignView", "Query Design"),
    EndMenu(),
    Menu("Forms"),
      Control("CreateForm", "AutoForm"),
      Separator(),
      Control("CreateFormSplitForm", "Split Form"),
      Control("CreateFormWithMultipleItems", "Multiple Items"),
      Control("CreateFormPivotChart", "Pivot Chart"),
      Control("CreateFormBlankForm", "Blank Form"),
      Control("CreateFormMoreFormsGallery", "More Forms"),
      Control("CreateFormInDesignView", "Form Design"),
    EndMenu(),
    Menu("Reports"),
      Control("CreateReport", "AutoReport"),
      Separator(),
      Control("CreateLabels", "Labels"),
      Control("CreateReportBlankReport", "Blank Report"),
      Control("CreateReportFromWizard", "Report Wizard"),
      Control("CreateReportInDesignView", "Report Design"),
    EndMenu(),
    Control("CreateMacro", "Macro"),
    Control("CreateModule", "Module"),
    Control("CreateClassModule", "Class Module"),
    Separator(),
};

// The Insert menu for a table, which is also the whole of the Standard toolbar's Insert menu.
inline constexpr Item kInsertForTable[] = {
    Include(kInsertHead),
    Control("GoToNewRecord", "New Record"),
    Separator(),
    Control("QueryInsertColumn", "Insert Columns"),
    Control("DatasheetColumnLookup", "LookUp Column"),
    Separator(),
    Control("RecordsInsertSubdatasheet", "Subdatasheet"),
};

// The Format menu in a form's or a report's design.
inline constexpr Item kFormatDesignItems[] = {
    Control("AutoFormatGallery", "AutoFormat"),
    Control("FontConditionalFormatting", "Conditional"),
    Control("ControlSetControlDefaults", "Set Control Defaults"),
    Control("ControlSnapToGrid", "Snap to Grid"),
    Menu("Control Layout"),
      Control("ControlLayoutTabular", "Tabular"),
      Control("ControlLayoutStacked", "Stacked"),
      Control("ControlLayoutRemove", "Remove"),
      Control("ControlMarginsGallery", "Control Margins"),
      Control("ControlPaddingGallery", "Control Padding"),
    EndMenu(),
    Menu("Align"),
      Control("ObjectsAlignLeft", "Left"),
      Control("ObjectsAlignRight", "Right"),
      Control("ObjectsAlignTop", "Top"),
      Control("ObjectsAlignBottom", "Bottom"),
      Control("ControlAlignToGrid", "To Grid"),
    EndMenu(),
    Menu("Size"),
      Control("PositionAnchoringGallery", "Anchoring"),
      Control("SizeToFitAccess", "To Fit"),
      Control("SizeToGridAccess", "To Grid"),
      Separator(),
      Control("SizeToTallest", "To Tallest"),
      Control("SizeToShortest", "To Shortest"),
      Separator(),
      Control("SizeToWidest", "To Widest"),
      Control("SizeToNarrowest", "To Narrowest"),
    EndMenu(),
    Menu("Horizontal Spacing"),
      Control("HorizontalSpacingMakeEqual", "Equal Horizontal"),
      Control("HorizontalSpacingIncrease", "Increase Horizontal"),
      Control("HorizontalSpacingDecrease", "Decrease Horizontal"),
    EndMenu(),
    Menu("Vertical Spacing"),
      Control("VerticalSpacingMakeEqual", "Equal Vertical"),
      Control("VerticalSpacingIncrease", "Increase Vertical"),
      Control("VerticalSpacingDecrease", "Decrease Vertical"),
    EndMenu(),
    Control("ObjectsGroup", "Group"),
    Control("ObjectsUngroup", "UnGroup"),
    Separator(),
    Control("ObjectBringToFront", "Bring to Front"),
    Control("ObjectSendToBack", "Send to Back"),
};

// The Records menu, for a table and for a query alike.
inline constexpr Item kRecordsItems[] = {
    Menu("Filter"),
      Control("FilterAdvancedByForm", "Filter By Form"),
      Control("FilterBySelection", "Filter By Selection"),
      Control("FilterExcludingSelection", "Filter Excluding Selection"),
      Control("SortAndFilterAdvanced", "Advanced Filter-Sort"),
      Separator(),
      Control("FiltersMenu", "Filter"),
      Control("SortSelectionMenu", "Selection"),
    EndMenu(),
    Control("FilterToggleFilter", "Toggle Filter"),
    Control("FilterClearAllFilters", "Clear All Filters"),
    Separator(),
    Control("SortUp", "Ascending"),
    Control("SortDown", "Descending"),
    Control("SortRemoveAllSorts", "Remove Sort"),
    Separator(),
    Control("ApplyFilter", "Apply Filter/Sort"),
    Control("FilterAdvancedMenu", "Advanced"),
    Separator(),
    Control("PivotChartSortByTotalAscending", "Ascending by Total"),
    Control("PivotChartSortByTotalDescending", "Descending by Total"),
    Separator(),
    Control("RecordsSaveRecord", "Save"),
    Control("RecordsRefreshMenu", "Refresh All"),
    Separator(),
    Control("RecordsTotals", "Totals"),
    Control("RecordsAddFromOutlook", "Add From Outlook"),
    Control("RecordsSaveAsOutlookContact", "Save As Outlook Contact"),
    Separator(),
};

// clang-format on

}  // namespace trelvane::access
