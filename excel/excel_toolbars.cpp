// The Excel Standard and Formatting toolbars, the boxes boxNew2 and boxNew3: icons in button
// groups with disabled gaps between the groups (two blanks wide on the Standard row, one blank on
// the Formatting row). The print and proofing groups stand side by side with no gap, and
// DecimalsIncrease and DecimalsDecrease appear twice on the Formatting row, as on the old bars.
#include "excel/excel_content.h"
#include "excel/excel_shared_menus.h"

namespace trelvane::excel {
namespace {

// clang-format off
constexpr Item kStandardToolbar[] = {
    Literal(R"(<box id="boxNew2" boxStyle="horizontal">)"),
    ButtonGroup(),
      Icon("FileNew"),
      Icon("FileOpen"),
      Icon("FileSave"),
      Icon("FileSaveAsExcel97_2003", "Save as …  Excel 97-2003 WorkBook"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePermission"),
      Icon("FileSendAsAttachment"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePrint"),
      Icon("FilePrintPreview"),
      Icon("PageSetupPageDialog"),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("Spelling"),
      Icon("ResearchPane"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("Cut"),
      Icon("Copy"),
      Icon("Paste"),
      Icon("FormatPainter"),
      Icon("Undo"),
      Icon("Repeat"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("HyperlinkInsert"),
      Icon("AutoSumMenu"),
      MenuTag(R"(<menu id="BRB30005" screentip="Function Library" imageMso="FunctionWizard" tag = "BRB30005">)"),
        Include(kFunctionLibraryItems),
      EndMenu(),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("SortAscendingExcel"),
      Icon("SortDescendingExcel"),
      Icon("Filter"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("ChartTypeAllInsertDialog"),
      Icon("ShapesInsertGallery"),
      Icon("TableInsertExcel"),
      MenuTag(R"(<menu id="BRM30007" screentip="Comments" imageMso="ReviewNewComment" tag = "BRM30007">)"),
        Include(kCommentsItems),
      EndMenu(),
      MenuTag(R"(<menu id="B3000235" imageMso="TraceError" screentip="Formula auditing">)"),
        Include(kFormulaAuditingItems),
      EndMenu(),
    EndButtonGroup(),
    Literal("</box>"),
};

constexpr Item kFormattingToolbar[] = {
    Literal(R"(<box id="boxNew3" boxStyle="horizontal">)"),
    ComboBox("Font"),
    ComboBox("FontSize"),
    ButtonGroup(),
      Icon("Bold"),
      Icon("Italic"),
      Icon("Underline"),
      Icon("AlignLeft"),
      Icon("AlignMiddleExcel"),
      Icon("AlignRight"),
      Icon("MergeCenter"),
      Icon("WrapText"),
    EndButtonGroup(),
    Spacer(" "),
    ComboBox("NumberFormatGallery"),
    ButtonGroup(),
      Icon("AccountingFormatMenu"),
      Icon("PercentStyle"),
      Icon("DecimalsIncrease"),
      Icon("DecimalsDecrease"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("IndentIncreaseExcel"),
      Icon("IndentDecreaseExcel"),
      Icon("BordersGallery"),
      Icon("DecimalsIncrease"),
      Icon("DecimalsDecrease"),
      Icon("CellFillColorPicker"),
      Icon("FontColorPicker"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("FormatCellsMenu"),
      Icon("ZoomClassic"),
      Icon("Help"),
    EndButtonGroup(),
    Literal("</box>"),
};
// clang-format on

}  // namespace

std::span<const Item> StandardToolbar() {
  return kStandardToolbar;
}
std::span<const Item> FormattingToolbar() {
  return kFormattingToolbar;
}

}  // namespace trelvane::excel
