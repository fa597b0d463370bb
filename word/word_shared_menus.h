// Menus that stand both in the Word menu bar (as labelled submenus) and on the Standard toolbar
// (as image-only menus with a screentip). Each list is written once and included in both.
#pragma once

#include "core/content.h"

namespace trelvane::word {

using namespace trelvane::content;

// clang-format off
inline constexpr Item kPageSetupItems[] = {
    Control("PageSetupDialog", "Page Setup…"),
    Separator(),
    Control("PageMarginsGallery", "Margins"),
    Control("PageOrientationGallery", "Orientation"),
    Control("PageSizeGallery", "Size"),
    Separator(),
    Control("ColumnsDialog", "Columns"),
    Control("BreakInsertDialog", "Breaks"),
    Control("LineNumbersMenu", "Line Numbers"),
    Separator(),
    Control("HyphenationMenu", "Hyphenation"),
    Control("WatermarkGallery", "Watermark"),
    Control("PageColorPicker", "Page Color"),
    Control("PageBorderAndShadingDialog", "Page Borders"),
    Separator(),
    Control("HeaderInsertGallery", "Header"),
    Control("FooterInsertGallery", "Footer"),
};

inline constexpr Item kZoomItems[] = {
    Control("ZoomDialog", "Zoom…"),
    Control("ZoomCurrent100", "1"),
    Control("ZoomOnePage", "One page"),
    Control("ZoomTwoPages", "Two pages"),
    Control("ZoomPageWidth", "Page Width"),
};

inline constexpr Item kCommentsItems[] = {
    Control("ReviewNewComment", "New"),
    Control("ReviewDeleteCommentsMenu", "Delete"),
    Control("ReviewPreviousCommentWord", "Previous"),
    Control("ReviewNextCommentWord", "Next"),
};

inline constexpr Item kReferencesItems[] = {
    Control("IndexAndTables", "Index and Tables"),
    Control("TableOfContentsGallery", "Table of Contents"),
    Control("TableOfContentsAddTextGallery", "Add Text"),
    Control("TableOfContentsUpdate", "Update Table…"),
    Separator(),
    Control("FootnoteInsert", "Insert Footnote"),
    Control("EndnoteInsertWord", "Insert Endnote"),
    Control("EndnoteNextWord", "Next Endnote"),
    Control("FootnoteEndnoteDialog", "Footnote and Endnote Dialog…"),
    Separator(),
    Control("CitationInsert", "Insert Citation"),
    Control("BibliographyManageSources", "Manage Sources"),
    Control("BibliographyGallery", "Bibliography"),
    Separator(),
    Control("CaptionInsert", "Insert Caption…"),
    Control("TableOfFiguresInsert", "Insert Table of Figures…"),
    Control("TableOfFiguresUpdate", "Update Table"),
    Control("CrossReferenceInsert", "Cross-reference"),
    Separator(),
    Control("IndexMarkEntry", "Mark Entry…"),
    Control("IndexInsert", "Insert Index…"),
    Control("IndexUpdate", "Update Index"),
    Separator(),
    Control("CitationMark", "Mark Citation…"),
    Control("TableOfAuthoritiesInsert", "Insert Table of Authorities…"),
    Control("TableOfAuthoritiesUpdate", "Update Table"),
};

inline constexpr Item kTrackingItems[] = {
    Control("ReviewTrackChangesMenu", "Track Changes"),
    Control("ReviewBalloonsMenu", "Balloons"),
    Control("ReviewDisplayForReview", "Display for Review"),
    Control("ReviewReviewingPaneMenu", "Review Pane"),
    Separator(),
    Control("ReviewAcceptChangeMenu", "Accept"),
    Control("ReviewRejectChange", "Reject"),
    Control("ReviewPreviousChange", "Previous"),
    Control("ReviewNextChange", "Next"),
};

inline constexpr Item kLettersAndMailingItems[] = {
    Control("EnvelopesAndLabels", "Envelope And Label Wizard"),
    Control("EnvelopesAndLabelsDialog", "Envelopes…"),
    Control("LabelsDialog", "Labels…"),
    Separator(),
    Control("MailMergeStartMailMergeMenu", "Start Mail Merge"),
    Control("MailMergeSelectRecipients", "Select Recipients"),
    Control("MailMergeRecipientsEditList", "Edit Recipient List…"),
    Separator(),
    Control("MailMergeHighlightMergeFields", "Highlight Merge Fields"),
    Control("MailMergeAddressBlockInsert", "Address Block…"),
    Control("MailMergeGreetingLineInsert", "Greeting Line…"),
    Control("MailMergeMergeFieldInsertMenu", "Insert Merge Field"),
    Control("MailMergeRules", "Rules"),
    Control("MailMergeMatchFields", "Match Fields…"),
    Control("MailMergeUpdateLabels", "Update Labels"),
    Separator(),
    Control("MailMergeResultsPreview", "Preview Results"),
    Control("MailMergeGoToFirstRecord", "First"),
    Control("MailMergeGoToPreviousRecord", "Previous"),
    Control("MailMergeGoToNextRecord", "Next"),
    Control("MailMergeGotToLastRecord", "Last"),
    Control("MailMergeFindRecipient", "Find Recipient…"),
    Control("MailMergeAutoCheckForErrors", "Auto Check for Errors…"),
    Separator(),
    Control("MailMergeFinishAndMergeMenu", "Finish And Merge"),
};
// clang-format on

}  // namespace trelvane::word
