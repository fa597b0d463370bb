// A host's lists as one Office version shows them: what the version lacks goes, what it renames
// takes the new id, and the list is tidied around the gaps without touching what was meant.
#include "core/version_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/content_player.h"
#include "core/office_version.h"

namespace trelvane {
namespace {

using namespace trelvane::content;

constexpr OfficeVersion k2010 = OfficeVersion::kOffice2010;
constexpr OfficeVersion k2013 = OfficeVersion::kOffice2013;
constexpr OfficeVersion k2016 = OfficeVersion::kOffice2016;

// "Old" goes after 2010, "Late" after 2013; "Normal" is called "Slide" after 2010.
constexpr VersionChange kChanges[] = {
    LastIn("Old", kOffice2010),
    LastIn("Old2", kOffice2010),
    LastIn("Late", kOffice2013),
    RenamedAfter("Normal", kOffice2010, "Slide"),
};

// The items in a short notation: C:id, I:id, S (separator), G (gap), M( ... ) for menus,
// T( ... ) for menus opened by their start tag, B( ... ) for button groups, L (literal).
std::string Notation(const std::vector<Item>& items) {
  std::string out;
  for (const Item& item : items) {
    if (!out.empty())
      out += ' ';
    switch (item.kind) {
      case ItemKind::kControl:
        out += "C:" + std::string(item.id_mso);
        break;
      case ItemKind::kIcon:
        out += "I:" + std::string(item.id_mso);
        break;
      case ItemKind::kSeparator:
        out += 'S';
        break;
      case ItemKind::kSpacer:
      case ItemKind::kBarGap:
        out += 'G';
        break;
      case ItemKind::kBeginMenu:
        out += "M(";
        break;
      case ItemKind::kMenuTag:
        out += "T(";
        break;
      case ItemKind::kBeginGroup:
        out += "B(";
        break;
      case ItemKind::kEndMenu:
      case ItemKind::kEndGroup:
        out += ')';
        break;
      case ItemKind::kLiteral:
        out += 'L';
        break;
      default:
        out += '?';
    }
  }
  return out;
}

template <std::size_t N>
std::string For(const Item (&items)[N], OfficeVersion version) {
  return Notation(ItemsForVersion(items, kChanges, version));
}

TEST(OfficeVersionText, MajorNumberDecidesAndAnythingUnreadableIsOffice2010) {
  EXPECT_EQ(ParseOfficeVersion("14.0"), k2010);
  EXPECT_EQ(ParseOfficeVersion("15.0"), k2013);
  EXPECT_EQ(ParseOfficeVersion("16.0"), k2016);
  EXPECT_EQ(ParseOfficeVersion("16"), k2016);
  EXPECT_EQ(ParseOfficeVersion("17.0"), k2016);
  EXPECT_EQ(ParseOfficeVersion("99999999999999.0"), k2016);
  EXPECT_EQ(ParseOfficeVersion("12.0"), k2010);
  for (const char* unreadable : {"", ".", "abc", "16a.0", "-16.0", " 16.0", "x15"})
    EXPECT_EQ(ParseOfficeVersion(unreadable), k2010) << '"' << unreadable << '"';
}

TEST(ItemsForVersion, LeavesOutWhatTheVersionLacksAndRenamesWhatItKnowsOtherwise) {
  static constexpr Item kShared[] = {Control("Late"), Control("Keep")};
  static constexpr Item kList[] = {Control("Normal", "Normal"), Control("Old"), Include(kShared),
                                   Icon("Old2")};
  EXPECT_EQ(For(kList, k2010), "C:Normal C:Old C:Late C:Keep I:Old2");
  EXPECT_EQ(For(kList, k2013), "C:Slide C:Late C:Keep");
  EXPECT_EQ(For(kList, k2016), "C:Slide C:Keep");
  // The label goes with the new id.
  EXPECT_EQ(ItemsForVersion(kList, kChanges, k2016).front().label, "Normal");
}

TEST(ItemsForVersion, Office2010PlaysExactlyAsTheListWithItsIncludes) {
  static constexpr Item kShared[] = {Control("A", "a"), Separator()};
  static constexpr Item kList[] = {Menu("M"),        Include(kShared), Control("Old"),
                                   EndMenuWithGap(), Menu("Empty"),    EndMenu()};
  MarkupWriter direct;
  PlayItems(direct, kList, EmitterForms::kExtended, "");
  MarkupWriter filtered;
  PlayItems(filtered, ItemsForVersion(kList, kChanges, k2010), EmitterForms::kExtended, "");
  EXPECT_EQ(filtered.text(), direct.text());
}

TEST(ItemsForVersion, MenusAndGroupsLeftEmptyGoButOneEmptyFromTheStartStays) {
  static constexpr Item kList[] = {
      Menu("Tools"),  Control("Keep"), Menu("Source Control"), Control("Old"), EndMenu(),
      Menu("Nested"), Menu("Inner"),   Control("Old"),         Separator(),    Control("Old2"),
      EndMenu(),      EndMenu(),       Menu("Was empty"),      EndMenu(),      EndMenuWithGap(),
      ButtonGroup(),  Icon("Late"),    EndButtonGroup(),
  };
  EXPECT_EQ(For(kList, k2013), "M( C:Keep M( ) ) B( I:Late )");
  EXPECT_EQ(For(kList, k2016), "M( C:Keep M( ) )");
}

TEST(ItemsForVersion, SeparatorsNeitherDoubleNorLeadNorTrailWhereTheListHadNone) {
  static constexpr Item kDoubled[] = {Menu("Macro"), Control("A"), Separator(), Control("Old"),
                                      Separator(),   Control("B"), EndMenu()};
  EXPECT_EQ(For(kDoubled, k2013), "M( C:A S C:B )");
  static constexpr Item kLeading[] = {Menu("M"), Control("Old"), Separator(), Control("B"),
                                      EndMenu()};
  EXPECT_EQ(For(kLeading, k2013), "M( C:B )");
  static constexpr Item kTrailing[] = {Menu("M"),      Control("A"),    Separator(),
                                       Control("Old"), Control("Old2"), EndMenu()};
  EXPECT_EQ(For(kTrailing, k2013), "M( C:A )");
  // A list that ends with a separator keeps it; the one the gap brought next to it goes.
  static constexpr Item kEndsWithOne[] = {Control("A"), Separator(), Control("Old"), Separator()};
  EXPECT_EQ(For(kEndsWithOne, k2013), "C:A S");
  // And one that starts with a separator keeps that.
  static constexpr Item kStartsWithOne[] = {Separator(), Control("Old"), Separator(), Control("B")};
  EXPECT_EQ(For(kStartsWithOne, k2013), "S C:B");
  // Separators the list itself puts together stay together.
  static constexpr Item kMeant[] = {Control("A"), Separator(), Separator(), Control("B"),
                                    Control("Old")};
  EXPECT_EQ(For(kMeant, k2013), "C:A S S C:B");
}

TEST(ItemsForVersion, AMenuThatGoesTakesNoSecondGapWithItOnTheTab) {
  static constexpr Item kBar[] = {
      MenuTag(R"(<menu id="B1" label="File">)"), Control("A"),   EndMenu(), BarGap(),
      MenuTag(R"(<menu id="B2" label="Gone">)"), Control("Old"), EndMenu(), BarGap(),
      MenuTag(R"(<menu id="B3" label="Help">)"), Control("B"),   EndMenu(),
  };
  EXPECT_EQ(For(kBar, k2013), "T( C:A ) G T( C:B )");
  static constexpr Item kToolbar[] = {
      Literal("<box>"), ButtonGroup(),    Icon("A"),         EndButtonGroup(), Spacer("  "),
      ButtonGroup(),    Icon("Late"),     EndButtonGroup(),  Spacer("  "),     ButtonGroup(),
      Icon("B"),        EndButtonGroup(), Literal("</box>"),
  };
  EXPECT_EQ(For(kToolbar, k2016), "L B( I:A ) G B( I:B ) L");
}

}  // namespace
}  // namespace trelvane
