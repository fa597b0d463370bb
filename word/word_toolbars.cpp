// The Word Standard and Formatting toolbars, the boxes boxNew2 and boxNew3: icons in button
// groups, image-only menus of labelled controls, and disabled gaps between groups (two blanks wide
// on the Standard row, one blank on the Formatting row). Where two groups follow each other with
// no gap between them, the old bars had none either.
#include "word/word_content.h"
#include "word/word_shared_menus.h"

namespace trelvane::word {
namespace {

// clang-format off
constexpr Item kStandardToolbar[] = {
    Literal(R"(<box id="boxNew2" boxStyle="horizontal">)"),
    ButtonGroup(),
      Icon("FileNew"),
      Icon("FileOpen"),
      Icon("FileSave"),
      Icon("FileSaveAsWord97_2003", "Save as …  Word 97-2003 Document"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePermission"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePrint"),
      Icon("FilePrintPreview"),
      ImageMenu("PageSetupDialog", "Page Setup…"),
        Include(kPageSetupItems),
      EndMenu(),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("SpellingAndGrammar"),
      Icon("ResearchPane"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("Cut"),
      Icon("Copy"),
      Icon("Paste"),
      Icon("FormatPainter"),
      Icon("Undo"),
      Icon("RedoOrRepeat"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("HyperlinkInsert"),
      Icon("TableBordersMenu"),
      Icon("TableDrawTable"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("ColumnsDialog"),
      Icon("TextDirection"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("DocumentMapReadingView", "Document map"),
      ImageMenu("ZoomDialog", "Zoom…"),
        Include(kZoomItems),
      EndMenu(),
      Icon("ViewFullScreenReadingView"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      ImageMenu("ReviewNewComment", "Comments"),
        Include(kCommentsItems),
      EndMenu(),
      ImageMenu("BibliographyManageSources", "References"),
        Include(kReferencesItems),
      EndMenu(),
      ImageMenu("ReviewTrackChangesMenu", "Tracking"),
        Include(kTrackingItems),
      EndMenu(),
      ImageMenu("EnvelopesAndLabels", "Letters and Mailing"),
        Include(kLettersAndMailingItems),
      EndMenu(),
    EndButtonGroup(),
    Literal("</box>"),
};

constexpr Item kFormattingToolbar[] = {
    Literal(R"(<box id="boxNew3" boxStyle="horizontal">)"),
    Icon("StylesPane"),
    ComboBox("StyleGalleryClassic"),
    ComboBox("Font"),
    ComboBox("FontSize"),
    ButtonGroup(),
      Icon("Bold"),
      Icon("Italic"),
      Icon("UnderlineGallery"),
      Icon("AsianLayoutCharacterScaling"),
      Icon("ChangeCaseGallery"),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("AlignLeft"),
      Icon("AlignJustify"),
      Icon("AlignCenter"),
      Icon("LineSpacingMenu"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("NumberingGalleryWord"),
      Icon("BulletsGalleryWord"),
      Icon("IndentDecreaseWord"),
      Icon("IndentIncreaseWord"),
      Icon("SortDialogClassic"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("TextHighlightColorPicker"),
      Icon("FontColorPicker"),
      Icon("QuickStylesGallery"),
      Icon("ClearFormatting"),
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

}  // namespace trelvane::word
