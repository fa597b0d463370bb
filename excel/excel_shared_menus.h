// Menus that stand both in the Excel menu bar and on the Standard toolbar. Each copy opens with
// a start tag of its own; the items are these.
#pragma once

#include "core/content.h"

namespace trelvane::excel {

using namespace trelvane::content;

// clang-format off
inline constexpr Item kFunctionLibraryItems[] = {
    Control("AutoSumMenu"),
    Control("FunctionsRecentlyUsedtInsertGallery"),
    Separator(),
    Control("FunctionsFinancialInsertGallery"),
    Control("FunctionsLogicalInsertGallery"),
    Control("FunctionsTextInsertGallery"),
    Control("FunctionsDateTimeInsertGallery"),
    Control("FunctionsLookupReferenceInsertGallery"),
    Control("FunctionsMathTrigInsertGallery"),
    Control("FormulaMoreFunctionsMenu"),
};

inline constexpr Item kCommentsItems[] = {
    Control("ReviewNewComment", "New comment"),
    Control("ReviewDeleteComment", "Delete"),
    Control("ReviewPreviousComment", "Previous"),
    Control("ReviewNextComment", "Next"),
    Control("ReviewShowOrHideComment", "Show/Hide comment"),
    Control("ReviewShowAllComments", "Show All comments"),
    Control("ReviewShowInk", "Show Ink"),
};

inline constexpr Item kFormulaAuditingItems[] = {
    Control("TracePrecedents"),
    Control("TraceDependents"),
    Control("TraceError"),
    Control("TraceRemoveArrowsMenu"),
    Separator(),
    Control("CircularReferences"),
    Separator(),
    Control("FormulaEvaluate"),
    Control("WatchWindow"),
    Control("ShowFormulas"),
};
// clang-format on

}  // namespace trelvane::excel
