// What each dynamic menu offers for each kind of active object. Kinds that share a list point at
// the same table; a kind whose list is empty is one for which the menu's getVisible callback
// hides the menu. Labels are kept character for character ("Ole /DDE Links").
#include "access/access_content.h"
#include "access/access_shared_menus.h"

namespace trelvane::access {
namespace {

// clang-format off
constexpr Item kEditForTable[] = {
    Include(kEditHead),
    Control("DatasheetColumnDelete", "Delete"),
    Control("SelectMenuAccess", "Select"),
    Control("SelectAllAccess", "Select All"),
    Control("DatasheetColumnRename", "Rename"),
    Separator(),
    Control("FindDialog", "Find…"),
    Control("FindNext", "Find Next"),
    Control("ReplaceDialog", "Replace"),
    Control("GoToMenuAccess", "Go To"),
    Separator(),
    Control("FormattingUnique", "Unique"),
    Control("FormattingRequiredField", "Is Required"),
    Separator(),
    Control("OleDdeLinks", "Ole /DDE Links"),
};

constexpr Item kEditForQuery[] = {
    Include(kEditHead),
    Control("ClearGrid", "Clear Grid"),
    Control("SelectMenuAccess", "Select"),
    Control("SelectAllAccess", "Select All"),
    Control("OleDdeLinks", "Ole /DDE Links"),
};

// Forms and reports.
constexpr Item kEditForDesign[] = {
    Include(kEditHead),
    Control("SelectMenuAccess", "Select"),
    Control("SelectAllAccess", "Select All"),
    Control("OleDdeLinks", "Ole /DDE Links"),
};

// Macros, modules and anything else.
constexpr Item kEditForOther[] = {
    Include(kEditHead),
    Control("SelectMenuAccess", "Select"),
    Control("SelectAllAccess", "Select All"),
    Control("DatasheetColumnRename", "Rename"),
    Separator(),
    Control("OleDdeLinks", "Ole /DDE Links"),
};

constexpr Item kViewForTable[] = {
    Control("ViewsDesignView", "Design View"),
    Control("ViewsDatasheetView", "Datasheet View"),
    Control("ViewsPivotTableView", "PivotTable View"),
    Control("ViewsPivotChartView", "PivotChart View"),
    Separator(),
    Include(kViewTools),
    Control("DatasheetNewField", "New Field"),
    Control("FieldList", "Add Existing Fields"),
};

constexpr Item kViewForQuery[] = {
    Control("ViewsDesignView", "Design View"),
    Control("ViewsAdpDiagramSqlView", "SQL View"),
    Control("ViewsDatasheetView", "Datasheet View"),
    Control("ViewsPivotTableView", "PivotTable View"),
    Control("ViewsPivotChartView", "PivotChart View"),
    Separator(),
    Control("QueryTotalsShowHide", "Totals"),
    Control("QueryTableNamesShowHide", "Table Names"),
    Separator(),
    Include(kViewTools),
    Control("FieldList", "Add Existing Fields"),
};

constexpr Item kViewForForm[] = {
    Control("ViewsDesignView", "Design View"),
    Control("ViewsFormView", "Form View"),
    Control("ViewsDatasheetView", "Datasheet View"),
    Control("ViewsPivotTableView", "PivotTable View"),
    Control("ViewsPivotChartView", "PivotChart View"),
    Separator(),
    Control("SubformInNewWindow", "Subform in New Window"),
    Control("First10RecordsPreview", "First 10 Records Preview"),
    Separator(),
    Include(kViewTools),
    Control("FieldList", "Add Existing Fields"),
    Control("TabOrder", "Tab Order…"),
    Separator(),
    Control("RulerShowHide", "Ruler"),
    Control("GridShowHide", "Grid"),
    Control("PageHeaderOrFooterShowHide", "Page Header/Footer"),
    Control("FormHeaderOrFooterShowHide", "Form Header/Footer"),
};

// Unlike the form's list, no separator stands before SubformInNewWindow here, and one after it.
constexpr Item kViewForReport[] = {
    Control("ViewsDesignView", "Design View"),
    Control("ViewsReportView", "Report View"),
    Control("ViewsAdpDiagramPrintPreview", "Print Preview"),
    Control("ViewsLayoutView", "Layout View"),
    Control("SubformInNewWindow", "Subreport in New Window"),
    Separator(),
    Control("First10RecordsPreview", "First 10 Records Preview"),
    Separator(),
    Include(kViewTools),
    Control("FieldList", "Add Existing Fields"),
    Control("TabOrder", "Tab Order…"),
    Separator(),
    Control("RulerShowHide", "Ruler"),
    Control("GridShowHide", "Grid"),
    Control("PageHeaderOrFooterShowHide", "Page Header/Footer"),
    Control("FormHeaderOrFooterShowHide", "Report Header/Footer"),
    Separator(),
    Control("Grouping", "Group and Sort"),
    Control("HideDetails", "Hide Details"),
};

// Macros, modules and anything else.
constexpr Item kViewForOther[] = {
    Include(kViewTools),
    Control("FieldList", "Add Existing Fields"),
};

constexpr Item kInsertForQuery[] = {
    Include(kInsertHead),
    Control("QueryInsertColumn", "Insert Columns"),
};

// Forms and reports.
constexpr Item kInsertForDesign[] = {
    Include(kInsertHead),
    Control("ControlLogo", "Logo"),
    Control("ControlTitle", "Title"),
    Control("HeaderFooterPageNumberInsert", "Page Numbers"),
    Control("DateAndTimeInsert", "Date and Time"),
    Separator(),
    Control("ControlChart", "Chart…"),
    Separator(),
    Control("ControlActiveX", "ActiveX controls"),
    Separator(),
};

constexpr Item kFormatForTable[] = {
    Control("Font", "Font"),
    Control("FormatCellsDialog", "Datasheet…"),
    Control("RowHeight", "Row Height…"),
    Control("ColumnWidth", "Column Width…"),
    Separator(),
    Control("DatasheetColumnRename", "Rename"),
    Control("RecordsHideColumns", "Hide Columns"),
    Control("RecordsUnhideColumns", "Unhide Columns…"),
    Control("RecordsFreezeColumns", "Freeze"),
    Control("RecordsUnfreeze", "Unfreeze"),
    Separator(),
    Control("RecordsSubdatasheetMenu", "Subdatasheet"),
    Separator(),
};

constexpr Item kQueryForQuery[] = {
    Control("QueryRunQuery", "Run"),
    Control("QueryShowTable", "Show Table…"),
    Control("RelationshipsHideTable", "Remove Table"),
    Separator(),
    Include(kQueryTypeItems),
    Separator(),
    Control("QueryParameters", "Parameters"),
};
// clang-format on

constexpr KindLists kEdit{
    .table = kEditForTable,
    .query = kEditForQuery,
    .form = kEditForDesign,
    .report = kEditForDesign,
    .macro = kEditForOther,
    .module = kEditForOther,
    .other = kEditForOther,
};

constexpr KindLists kView{
    .table = kViewForTable,
    .query = kViewForQuery,
    .form = kViewForForm,
    .report = kViewForReport,
    .macro = kViewForOther,
    .module = kViewForOther,
    .other = kViewForOther,
};

constexpr KindLists kInsert{
    .table = kInsertForTable,
    .query = kInsertForQuery,
    .form = kInsertForDesign,
    .report = kInsertForDesign,
    .macro = kInsertHead,
    .module = kInsertHead,
    .other = {},
};

constexpr KindLists kFormat{
    .table = kFormatForTable,
    .query = {},
    .form = kFormatDesignItems,
    .report = kFormatDesignItems,
    .macro = {},
    .module = {},
    .other = {},
};

constexpr KindLists kQuery{
    .table = {},
    .query = kQueryForQuery,
    .form = {},
    .report = {},
    .macro = {},
    .module = {},
    .other = {},
};

constexpr KindLists kRecords{
    .table = kRecordsItems,
    .query = kRecordsItems,
    .form = {},
    .report = {},
    .macro = {},
    .module = {},
    .other = {},
};

}  // namespace

const KindLists& DynamicMenuLists(DynamicMenu menu) {
  switch (menu) {
    case DynamicMenu::kEdit:
      return kEdit;
    case DynamicMenu::kView:
      return kView;
    case DynamicMenu::kInsert:
      return kInsert;
    case DynamicMenu::kFormat:
      return kFormat;
    case DynamicMenu::kQuery:
      return kQuery;
    case DynamicMenu::kRecords:
      break;
  }
  return kRecords;
}

}  // namespace trelvane::access
