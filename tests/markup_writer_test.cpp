#include "core/markup_writer.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/failure.h"

namespace trelvane {
namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

TEST(MarkupWriterBaseForms, WriteEachElementExactly) {
  MarkupWriter w;
  w.EmitControl("FileNew", "");
  w.EmitControl("ReviewNewComment", "New comment");
  w.EmitControl("X", " ");
  w.EmitControl("", "");
  w.EmitIconControl("FileSaveAsExcel97_2003", "Save as …  Excel 97-2003 WorkBook");
  w.EmitIconControl("Bold", "");
  w.EmitIconControl("", "");
  w.EmitComboBox("Font");
  w.EmitComboBox("");
  EXPECT_EQ(
      w.text(),
      R"(<control idMso="FileNew"/>)"
      R"(<control idMso="ReviewNewComment" label="New comment"/>)"
      R"(<control idMso="X" label=" "/>)"
      R"(<control idMso=""/>)"
      R"(<control idMso="FileSaveAsExcel97_2003" screentip="Save as …  Excel 97-2003 WorkBook" showLabel="false"/>)"
      R"(<control idMso="Bold" showLabel="false"/>)"
      R"(<control idMso="" showLabel="false"/>)"
      R"(<comboBox idMso="Font"/>)"
      R"(<comboBox idMso=""/>)");
  EXPECT_EQ(w.counters().spacer, 0);  // base forms never make id-less buttons
}

TEST(MarkupWriterBaseForms, NumberGroupsSpacersAndSeparatorsFromOne) {
  MarkupWriter w;
  w.EmitSpacer(" ");
  w.EmitSpacer("");
  w.BeginButtonGroup();
  w.EndButtonGroup();
  w.EmitMenuSeparator();
  w.EmitMenuSeparator();
  w.EndMenu();
  EXPECT_EQ(w.text(), R"(<button id="sep001" label=" " enabled="false"/>)"
                      R"(<button id="sep002" label="" enabled="false"/>)"
                      R"(<buttonGroup id="btnGr001"></buttonGroup>)"
                      R"(<menuSeparator id="msep001d"/><menuSeparator id="msep002d"/></menu>)");
}

TEST(MarkupWriterBaseForms, IdsHaveNoLeadingZerosBeyondTheLiteralOnes) {
  MarkupWriter w;
  for (int i = 0; i < 10; ++i)
    w.BeginButtonGroup();
  w.counters().separator = 99;
  w.EmitMenuSeparator();
  EXPECT_TRUE(
      w.text().ends_with(R"(<buttonGroup id="btnGr0010"><menuSeparator id="msep00100d"/>)"));
}

TEST(MarkupWriterExtendedForms, WriteOptionalAttributesInTheirOrder) {
  MarkupWriter w;
  w.EmitControl("FileNew", "New", "", "", "");
  w.EmitControl("A", "L", "I", "S", "Act");
  w.EmitControl("A", "", "I", "", "Act");
  w.EmitGallery("G", "L", "I", "S", "Act");
  w.EmitIconControl("A", "S", "I", "Act");
  w.EmitIconControl("A", "", "", "");
  EXPECT_EQ(w.text(),
            R"(<control idMso="FileNew" label="New"/>)"
            R"(<control idMso="A" label="L" imageMso="I" screentip="S" onAction="Act"/>)"
            R"(<control idMso="A" imageMso="I" onAction="Act"/>)"
            R"(<gallery idMso="G" label="L" imageMso="I" screentip="S" onAction="Act"/>)"
            R"(<control idMso="A" screentip="S" imageMso="I" onAction="Act" showLabel="false"/>)"
            R"(<control idMso="A" showLabel="false"/>)");
}

TEST(MarkupWriterExtendedForms, EmptyIdMsoMakesAnIdlessButtonOnTheSpacerNumbers) {
  MarkupWriter w;
  w.EmitSpacer(" ");
  w.EmitControl("", "  ", "", "", "");
  w.EmitGallery("", "L", "", "", "");
  w.EmitIconControl("", "S", "", "");
  w.EmitSpacer(" ");
  EXPECT_EQ(w.text(), R"(<button id="sep001" label=" " enabled="false"/>)"
                      R"(<button id="sep002" label="  "/>)"
                      R"(<button id="sep003" label="L"/>)"
                      R"(<button id="sep004" screentip="S" showLabel="false"/>)"
                      R"(<button id="sep005" label=" " enabled="false"/>)");
}

TEST(MarkupWriterExtendedForms, BeginMenuRepeatsItsIdAsTagWithBlanksAroundTheEqualsSign) {
  MarkupWriter w;
  w.BeginMenu("All", "", "");
  w.BeginMenu("", "PageSetupDialog", "Page Setup…");
  w.BeginMenu("L", "I", "S");
  EXPECT_EQ(
      w.text(),
      R"(<menu id="BR32341" label="All" tag = "BR32341">)"
      R"(<menu id="BR32342" imageMso="PageSetupDialog" screentip="Page Setup…" tag = "BR32342">)"
      R"(<menu id="BR32343" label="L" imageMso="I" screentip="S" tag = "BR32343">)");
}

TEST(MarkupWriterExtendedForms, EndMenuAddsAGapOnlyWhenAskedAndOnTheTab) {
  MarkupWriter w;
  w.set_menu_bar_mode(kMenuBarInAllMenu);
  w.EndMenu(true);
  w.EndMenu(false);
  w.set_menu_bar_mode(kMenuBarOnTab);
  w.EndMenu(false);
  w.EndMenu(true);
  EXPECT_EQ(w.text(),
            R"(</menu></menu></menu></menu><button id="sep001" label=" " enabled="false"/>)");
}

TEST(MarkupWriterGetVisible, IsWrittenWithBlanksAroundTheEqualsSignWhereGiven) {
  MarkupWriter w;
  w.EmitIconControl("Bold", "", "", "", "OnGetVisibleText");
  w.EmitComboBox("Font", "OnGetVisibleText");
  w.BeginButtonGroup("OnGetVisibleTable0");
  w.EmitSpacer(" ", "OnGetVisibleEdit");
  w.BeginMenu("L", "", "S", "G");
  EXPECT_EQ(w.text(),
            R"(<control idMso="Bold" getVisible = "OnGetVisibleText" showLabel="false"/>)"
            R"(<comboBox idMso="Font" getVisible = "OnGetVisibleText"/>)"
            R"(<buttonGroup id="btnGr001" getVisible = "OnGetVisibleTable0">)"
            R"(<button id="sep001" label=" " getVisible = "OnGetVisibleEdit" enabled="false"/>)"
            R"(<menu id="BR32341" label="L" screentip="S" getVisible = "G" tag = "BR32341">)");
}

TEST(MarkupWriterDynamicMenu, NamesItsCallbacksAndOnTheTabHidesItsGapWithIt) {
  MarkupWriter w;
  w.counters().menu = 6;
  w.EmitDynamicMenu("Edit", "Edit", "", "");
  EXPECT_EQ(w.text(),
            R"(<dynamicMenu id="DynaEdit7" label="Edit" getContent = "OnGetContentEdit")"
            R"( getVisible = "OnGetVisibleEdit" invalidateContentOnDrop = "true"/>)"
            R"(<button id="sep001" label=" " getVisible = "OnGetVisibleEdit" enabled="false"/>)");
  w.Clear();
  w.set_menu_bar_mode(kMenuBarInAllMenu);
  w.EmitDynamicMenu("Query", "Abfrage", "I", "S");  // another language: the name stays
  EXPECT_EQ(w.text(), R"(<dynamicMenu id="DynaQuery8" label="Abfrage" imageMso="I" screentip="S")"
                      R"( getContent = "OnGetContentQuery" getVisible = "OnGetVisibleQuery")"
                      R"( invalidateContentOnDrop = "true"/>)");
  EXPECT_EQ(w.counters().menu, 8);
  EXPECT_EQ(w.counters().spacer, 1);
  w.counters().menu = kMax;
  EXPECT_THROW(w.EmitDynamicMenu("View", "View", "", ""), BuildFailure);
  EXPECT_TRUE(w.text().ends_with("/>"));
}

TEST(MarkupWriter, ArgumentTextIsNotEscaped) {
  MarkupWriter w;
  w.EmitControl("A", R"(a"b&c<d>)");
  EXPECT_EQ(w.text(), R"(<control idMso="A" label="a"b&c<d>"/>)");
}

TEST(MarkupWriter, ACounterAtTheLargest32BitValueFailsAndAppendsNothing) {
  MarkupWriter w;
  w.Append("start");
  w.counters() = {kMax, kMax, kMax, kMax};
  EXPECT_THROW(w.BeginButtonGroup(), BuildFailure);
  EXPECT_THROW(w.EmitSpacer(" "), BuildFailure);
  EXPECT_THROW(w.EmitMenuSeparator(), BuildFailure);
  EXPECT_THROW(w.BeginMenu("L", "", ""), BuildFailure);
  EXPECT_THROW(w.EmitControl("", "L", "", "", ""), BuildFailure);
  EXPECT_EQ(w.text(), "start");
  try {
    w.EmitMenuSeparator();
  } catch (const BuildFailure& e) {
    EXPECT_EQ(e.failure().kind, FailureKind::kCounterOverflow);
  }
  // The value just below the limit is still usable.
  w.counters().group = kMax - 1;
  w.BeginButtonGroup();
  EXPECT_TRUE(w.text().ends_with(R"(<buttonGroup id="btnGr002147483647">)"));
}

TEST(MarkupWriter, ClearEmptiesTheTextAndResetCountersZeroesAllFour) {
  MarkupWriter w;
  w.BeginMenu("M", "", "");
  w.EmitSpacer(" ");
  w.Clear();
  EXPECT_EQ(w.text(), "");
  EXPECT_EQ(w.counters().menu, 1);
  w.ResetCounters();
  w.BeginMenu("M", "", "");
  EXPECT_EQ(w.text(), R"(<menu id="BR32341" label="M" tag = "BR32341">)");
}

}  // namespace
}  // namespace trelvane
