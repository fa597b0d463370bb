#include "core/content_player.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace trelvane {
namespace {

using namespace trelvane::content;

constexpr Item kShared[] = {Control("A", "a"), Separator()};
constexpr Item kBar[] = {
    MenuTag(R"(<menu id="M1" label="One" tag = "M1">)"),     Include(kShared), EndMenu(), BarGap(),
    Literal(R"(<button id="b1" label="x" onAction="Go"/>)"),
};
constexpr HostContent kContent{kBar, kShared, kShared};

TEST(WithIdPrefix, PrefixesTheFirstIdValueOnlyNeverTheTagOrAnIdMso) {
  EXPECT_EQ(WithIdPrefix(R"(<menu id="B30002" label="File" tag = "B30002">)", "All"),
            R"(<menu id="AllB30002" label="File" tag = "B30002">)");
  EXPECT_EQ(WithIdPrefix(R"(<control idMso="X"/>)", "All"), R"(<control idMso="X"/>)");
  EXPECT_EQ(WithIdPrefix("</box>", "All"), "</box>");
  EXPECT_EQ(WithIdPrefix(R"(<button id="d1"/>)", ""), R"(<button id="d1"/>)");
}

TEST(ContentPlayer, MenuBarCarriesThePrefixAndGapsOnlyOnTheTab) {
  MarkupWriter w;
  EmitMenuBar(w, kContent, EmitterForms::kBase, kMenuBarInAllMenu);
  EXPECT_EQ(w.menu_bar_mode(), kMenuBarInAllMenu);
  EXPECT_EQ(w.text(),
            R"(<menu id="AllM1" label="One" tag = "M1"><control idMso="A" label="a"/>)"
            R"(<menuSeparator id="msep001d"/></menu><button id="Allb1" label="x" onAction="Go"/>)");
  w.Clear();
  EmitMenuBar(w, kContent, EmitterForms::kBase, kMenuBarOnTab);
  EXPECT_EQ(
      w.text(),
      R"(<menu id="M1" label="One" tag = "M1"><control idMso="A" label="a"/>)"
      R"(<menuSeparator id="msep002d"/></menu><button id="sep001" label=" " enabled="false"/>)"
      R"(<button id="b1" label="x" onAction="Go"/>)");
}

TEST(ContentPlayer, ToolbarsAreWrittenWithoutPrefixWhateverTheMode) {
  MarkupWriter w;
  w.set_menu_bar_mode(kMenuBarInAllMenu);
  constexpr Item kToolbar[] = {Literal(R"(<box id="b">)"), Literal("</box>")};
  EmitStandardToolbar(w, {kBar, kToolbar, kShared}, EmitterForms::kBase);
  EXPECT_EQ(w.text(), R"(<box id="b"></box>)");
}

TEST(ContentPlayer, BaseFormsRefuseItemsOnlyTheExtendedFormsCanWrite) {
  constexpr Item kExtendedOnly[][1] = {
      {Menu("M")}, {Gallery("G", "g")}, {EndMenuWithGap()}, {ImageMenu("I", "S")}};
  for (const auto& items : kExtendedOnly) {
    MarkupWriter base;
    EXPECT_THROW(PlayItems(base, items, EmitterForms::kBase, ""), BuildFailure);
    MarkupWriter extended;
    EXPECT_NO_THROW(PlayItems(extended, items, EmitterForms::kExtended, ""));
  }
}

TEST(ContentPlayer, PassesEachItemsGetVisibleCallbackToItsEmitter) {
  constexpr Visibility kShow{"OnShow"};
  constexpr Item kItems[] = {
      ButtonGroup(kShow), Icon("Bold", kShow),        EndButtonGroup(), ComboBox("Font", kShow),
      Spacer(" ", kShow), ImageMenu("I", "S", kShow), EndMenu(),
  };
  MarkupWriter w;
  PlayItems(w, kItems, EmitterForms::kExtended, "");
  EXPECT_EQ(w.text(),
            R"(<buttonGroup id="btnGr001" getVisible = "OnShow">)"
            R"(<control idMso="Bold" getVisible = "OnShow" showLabel="false"/></buttonGroup>)"
            R"(<comboBox idMso="Font" getVisible = "OnShow"/>)"
            R"(<button id="sep001" label=" " getVisible = "OnShow" enabled="false"/>)"
            R"(<menu id="BR32341" imageMso="I" screentip="S" getVisible = "OnShow")"
            R"( tag = "BR32341"></menu>)");
  // The base forms have no getVisible: such an item is a fault of the content, not ignored.
  MarkupWriter base;
  EXPECT_THROW(
      PlayItems(base, std::span<const Item>(kItems).subspan(3, 1), EmitterForms::kBase, ""),
      BuildFailure);
}

}  // namespace
}  // namespace trelvane
