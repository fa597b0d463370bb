// The PowerPoint Standard and Formatting toolbars, the boxes boxNew2 and boxNew3: icons in button
// groups, two image-only menus of labelled controls, and disabled gaps between groups (two blanks
// wide on the Standard row; on the Formatting row one blank but for the last, which is two). Where
// two groups follow each other with no gap between them, the old bars had none either.
#include "powerpoint/powerpoint_content.h"
#include "powerpoint/powerpoint_shared_menus.h"

namespace trelvane::powerpoint {
namespace {

// clang-format off
constexpr Item kStandardToolbar[] = {
    Literal(R"(<box id="boxNew2" boxStyle="horizontal">)"),
    ButtonGroup(),
      Icon("FileNew"),
      Icon("FileOpen"),
      Icon("FileSave"),
      Icon("FileSaveAsPowerPoint97_2003", "Save as …  PowerPoint 97-2003 Presentation"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePermissionRestrictMenu"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("FilePrint"),
      Icon("FilePrintPreview"),
      Icon("PowerPointPageSetup"),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("Spelling"),
      Icon("ResearchPane"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("Cut"),
      Icon("Copy"),
      Icon("PasteMenu"),
      Icon("FormatPainter"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("Undo"),
      Icon("Redo"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("ChartInsert"),
      Icon("TableInsertGallery"),
      Icon("HyperlinkInsert"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      IconWithImage("ViewGridlinesPowerPoint", "ViewGridlines"),
      ImageMenu("ViewDisplayInPureBlackAndWhite", "Color/Grayscale"),
        Include(kColorGrayscaleItems),
      EndMenu(),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("SlideNew"),
      Icon("SlideLayoutGallery"),
      Icon("SlideThemesGallery"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      ImageMenu("ReviewNewComment", "Comments"),
        Include(kCommentsItems),
      EndMenu(),
      Icon("ZoomClassic"),
      Icon("Help"),
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
      Icon("Shadow"),
      Icon("ChangeCaseGallery"),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("AlignLeft"),
      Icon("AlignCenter"),
      Icon("AlignRight"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("TextAlignGallery"),
      Icon("TextDirectionGallery"),
      Icon("NumberingGallery"),
      Icon("BulletsGallery"),
    EndButtonGroup(),
    Spacer(" "),
    ButtonGroup(),
      Icon("FontSizeIncrease"),
      Icon("FontSizeDecrease"),
      Icon("IndentDecrease"),
      Icon("IndentIncrease"),
      Icon("FontColorPicker"),
    EndButtonGroup(),
    Spacer("  "),
    ButtonGroup(),
      Icon("ConvertToSmartArt"),
      Icon("GalleryAllShapesAndTextboxes"),
    EndButtonGroup(),
    ButtonGroup(),
      Icon("ShapeQuickStylesHome"),
      Icon("ShapeFillColorPicker"),
      Icon("ShapeOutlineColorPicker"),
      Icon("ShapeEffectsMenu"),
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

}  // namespace trelvane::powerpoint
