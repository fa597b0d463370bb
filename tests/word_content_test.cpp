// Structure of the Word document: the counter values and ids that the menu bar and toolbars
// must reach, and the relation between the two copies of the bar.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/content_player.h"
#include "tests/document_scan.h"
#include "word/word_host.h"

namespace trelvane {
namespace {

using testing::Box;
using testing::Count;
using testing::Ids;
using testing::IdsStartingWith;
using testing::Slice;

testing::BuiltDocument WordDocument(bool all_menu) {
  return testing::BuildDocument(word::WordHost(), all_menu);
}

// The label of each menu in document order, keyed by its number.
std::vector<std::pair<int, std::string>> Menus(std::string_view text) {
  static const std::regex kMenu(R"re(<menu id="BR3234(\d+)"(?: label="([^"]*)")?)re");
  std::vector<std::pair<int, std::string>> menus;
  const std::string copy(text);
  for (std::sregex_iterator it(copy.begin(), copy.end(), kMenu), end; it != end; ++it) {
    menus.emplace_back(std::stoi((*it)[1]), (*it)[2]);
  }
  return menus;
}

TEST(WordMenuBar, LeavesTheCountersAtTheirKnownValuesForTheToolbars) {
  MarkupWriter w;
  EmitMenuBar(w, word::WordHost().content, EmitterForms::kExtended, kMenuBarOnTab);
  EXPECT_EQ(w.counters().group, 0);
  EXPECT_EQ(w.counters().spacer, 8);
  EXPECT_EQ(w.counters().separator, 55);
  EXPECT_EQ(w.counters().menu, 27);
  EXPECT_TRUE(w.text().ends_with(
      R"(<button id="d242242" label="About Trelvane" onAction="ShowAbout0"/></menu>)"));
}

TEST(WordMenuBar, NumbersEveryMenuAndSubmenuInDocumentOrder) {
  const std::string doc = WordDocument(false).document;
  const std::string_view bar = Box(doc, "boxNew1");
  const std::vector<std::pair<int, std::string>> expected = {{1, "File"},
                                                             {2, "Page Setup…"},
                                                             {3, "Edit"},
                                                             {4, "View"},
                                                             {5, "Header And Footer"},
                                                             {6, "Zoom…"},
                                                             {7, "Insert"},
                                                             {8, "Comments"},
                                                             {9, "References"},
                                                             {10, "Illustrations"},
                                                             {11, "Format"},
                                                             {12, "Arrange"},
                                                             {13, "Tools"},
                                                             {14, "Language"},
                                                             {15, "Tracking"},
                                                             {16, "Compare And Combine"},
                                                             {17, "Letters and Mailing"},
                                                             {18, "Macro"},
                                                             {19, "Controls"},
                                                             {20, "XML"},
                                                             {21, "Table"},
                                                             {22, "Insert"},
                                                             {23, "Delete"},
                                                             {24, "Select"},
                                                             {25, "Convert"},
                                                             {26, "Windows"},
                                                             {27, "Help"}};
  EXPECT_EQ(Menus(bar), expected);
  EXPECT_TRUE(bar.starts_with(
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="File" tag = "BR32341">)"));
  const std::string_view file = Slice(bar, R"(<menu id="BR32341")", R"(<menu id="BR32343")");
  EXPECT_EQ(IdsStartingWith(file, "msep").front(), "msep001d");
  EXPECT_EQ(IdsStartingWith(file, "msep").back(), "msep0010d");
  EXPECT_TRUE(file.ends_with(
      R"(</menu><button id="sep001" label=" " enabled="false"/><menu id="BR32343")"));
}

TEST(WordMenuBar, GapsAndTheHelpMenuEndTheBarAsKnown) {
  const std::string doc = WordDocument(false).document;
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_EQ(IdsStartingWith(bar, "sep"),
            (std::vector<std::string>{"sep001", "sep002", "sep003", "sep004", "sep005", "sep006",
                                      "sep007", "sep008"}));
  EXPECT_EQ(
      Count(bar, R"(</menu><button id="sep006" label=" " enabled="false"/><menu id="BR323421")"),
      1);
  EXPECT_EQ(
      Count(
          bar,
          R"(</menu><button id="sep008" label=" " enabled="false"/><menu id="BR323427" label="Help")"),
      1);
  const std::string_view help = Slice(bar, R"(<menu id="BR323427")", "</box>");
  EXPECT_EQ(IdsStartingWith(help, "msep"),
            (std::vector<std::string>{"msep0053d", "msep0054d", "msep0055d"}));
  EXPECT_TRUE(help.ends_with(R"(onAction="ShowAbout0"/></menu></box>)"));
  EXPECT_TRUE(
      bar.find(
          R"(<menu id="BR32343" label="Edit" tag = "BR32343"><control idMso="Undo"/><control idMso="RedoOrRepeat"/>)") !=
      std::string_view::npos);
}

TEST(WordToolbars, RunOnFromTheMenuBarWithTheAllMenuOff) {
  const testing::BuiltDocument built = WordDocument(false);
  const std::string_view standard = Box(built.document, "boxNew2");
  EXPECT_TRUE(standard.starts_with(
      R"(<box id="boxNew2" boxStyle="horizontal"><buttonGroup id="btnGr001">)"));
  EXPECT_EQ(IdsStartingWith(standard, "sep").front(), "sep009");
  EXPECT_EQ(Count(standard, R"(<button id="sep009" label="  " enabled="false"/>)"), 1);
  EXPECT_EQ(
      Count(
          standard,
          R"(<menu id="BR323428" imageMso="PageSetupDialog" screentip="Page Setup…" tag = "BR323428"><control idMso="PageSetupDialog" label="Page Setup…"/><menuSeparator id="msep0056d"/>)"),
      1);
  EXPECT_EQ(Menus(standard).back().first, 33);
  EXPECT_TRUE(standard.ends_with("</menu></buttonGroup></box>"));
  const std::string_view formatting = Box(built.document, "boxNew3");
  EXPECT_EQ(IdsStartingWith(formatting, "btnGr").front(), "btnGr0010");
  EXPECT_EQ(IdsStartingWith(formatting, "sep"), (std::vector<std::string>{"sep0016", "sep0017"}));
  EXPECT_EQ(Count(formatting, R"(label=" " enabled="false")"), 2);
  EXPECT_EQ(built.counters.group, 13);
  EXPECT_EQ(built.counters.spacer, 17);
  EXPECT_EQ(built.counters.separator, 69);
  EXPECT_EQ(built.counters.menu, 33);
}

TEST(WordToolbars, MenusShowNoLabelAndNeverGetAGap) {
  const std::string doc = WordDocument(true).document;
  const std::string_view standard = Box(doc, "boxNew2");
  for (const auto& [number, label] : Menus(standard))
    EXPECT_EQ(label, "") << number;
  EXPECT_EQ(Menus(standard).size(), 6u);
  EXPECT_EQ(Count(standard, "</menu><button"), 0);
  EXPECT_EQ(Count(standard, R"(label="  " enabled="false")"), 7);
}

TEST(WordDocument, WithTheAllMenuTheBarIsWrittenTwice) {
  const testing::BuiltDocument built = WordDocument(true);
  const std::string& doc = built.document;
  const std::string_view bar = Box(doc, "boxNew1");
  EXPECT_TRUE(bar.starts_with(
      R"(<box id="boxNew1" boxStyle="horizontal"><menu id="BR32341" label="All" tag = "BR32341"><menu id="BR32342" label="File" tag = "BR32342">)"));
  EXPECT_EQ(Count(bar, R"(</menu></menu><menu id="BR323429" label="File" tag = "BR323429">)"), 1);
  EXPECT_EQ(IdsStartingWith(bar, "sep").front(), "sep001");
  EXPECT_LT(bar.find(R"(id="BR323429")"), bar.find(R"(id="sep001")"));
  EXPECT_EQ(Count(bar, R"(<menu id="BR323428" label="Help")"), 1);
  EXPECT_EQ(Count(bar, R"(<menu id="BR323455" label="Help")"), 1);
  EXPECT_EQ(Count(doc, R"(id="Alld24224025")") + Count(doc, R"(id="Alld242242")"), 2);
  EXPECT_EQ(Count(doc, R"(id="d24224025")") + Count(doc, R"(id="d242242")"), 2);

  const std::string_view standard = Box(doc, "boxNew2");
  EXPECT_EQ(IdsStartingWith(standard, "btnGr").front(), "btnGr001");
  EXPECT_EQ(IdsStartingWith(standard, "sep").front(), "sep009");
  EXPECT_EQ(Menus(standard).front().first, 56);
  EXPECT_EQ(built.counters.group, 13);
  EXPECT_EQ(built.counters.spacer, 17);
  EXPECT_EQ(built.counters.separator, 124);
  EXPECT_EQ(built.counters.menu, 61);

  const auto ids = Ids(doc);
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
}

TEST(WordDocument, BothCopiesOfTheBarDifferOnlyInNumbersGapsAndThePrefix) {
  const std::string doc = WordDocument(true).document;
  const std::string_view bar = Box(doc, "boxNew1");
  const auto tab_start = bar.find(R"(<menu id="BR323429")");
  const std::string_view all_label = R"(<menu id="BR32341" label="All" tag = "BR32341">)";
  const auto inside_start = bar.find(all_label) + all_label.size();
  // Inside the All menu, up to the </menu> that closes it.
  std::string inside(
      bar.substr(inside_start, tab_start - inside_start - std::string_view("</menu>").size()));
  std::string on_tab(
      bar.substr(tab_start, bar.size() - tab_start - std::string_view("</box>").size()));
  const std::regex numbers(R"((BR3234|msep00|sep00)\d+)");
  const std::regex gaps(R"re(<button id="sep00\d+" label=" " enabled="false"/>)re");
  on_tab = std::regex_replace(std::regex_replace(on_tab, gaps, ""), numbers, "$1#");
  inside = std::regex_replace(inside, numbers, "$1#");
  inside = std::regex_replace(inside, std::regex(R"re(id="All(d\d+)")re"), R"(id="$1")");
  EXPECT_EQ(inside, on_tab);
  EXPECT_EQ(Count(inside, "<menu "), 27);
}

}  // namespace
}  // namespace trelvane
