// Copy Setting(2) (Utility sheet): copy, output and 4-in-1 defaults, the
// original's direction, book separation and the stamp. All plain bindings;
// Mixed Original needs a document feeder.
#include "pages.h"

#include "machinerules.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_CS2_COPY_GROUP, IDS_CS2_COPY},
    {IDC_CS2_AUTO_PAPER_RADIO, IDS_CS2_AUTO_PAPER},
    {IDC_CS2_AUTO_ZOOM_RADIO, IDS_CS2_AUTO_ZOOM},
    {IDC_CS2_MANUAL_RADIO, IDS_CS2_MANUAL},
    {IDC_CS2_OUTPUT_GROUP, IDS_CS2_OUTPUT},
    {IDC_CS2_NON_SORT_RADIO, IDS_CS2_NON_SORT},
    {IDC_CS2_SORT_RADIO, IDS_CS2_SORT},
    {IDC_CS2_GROUP_RADIO, IDS_CS2_GROUP},
    {IDC_CS2_ORDER_GROUP, IDS_CS2_ORDER},
    {IDC_CS2_ORDER1_RADIO, IDS_CS2_ORDER1},
    {IDC_CS2_ORDER2_RADIO, IDS_CS2_ORDER2},
    {IDC_CS2_MIXED_ORIGINAL_CHECK, IDS_CS2_MIXED_ORIGINAL},
    {IDC_CS2_CRISSCROSS_CHECK, IDS_CS2_CRISSCROSS},
    {IDC_CS2_DIRECTION_LABEL, IDS_CS2_DIRECTION},
    {IDC_CS2_BOOK_SEPARATION_LABEL, IDS_CS2_BOOK_SEPARATION},
    {IDC_CS2_STAMP_LABEL, IDS_CS2_STAMP},
    {IDC_CS2_PAGE_FORMAT_LABEL, IDS_CS2_PAGE_FORMAT},
    {IDC_CS2_DATE_FORMAT_LABEL, IDS_CS2_DATE_FORMAT},
};

const uint32_t positions[] = {0, 1, 2};

const Field fields[] = {
    checkField(IDC_CS2_MIXED_ORIGINAL_CHECK, FIELD(utility.copy2.mixedOriginal)),
    radioField(IDC_CS2_AUTO_PAPER_RADIO, IDC_CS2_MANUAL_RADIO, FIELD(utility.copy2.copyPriority),
               positions),
    radioField(IDC_CS2_NON_SORT_RADIO, IDC_CS2_GROUP_RADIO, FIELD(utility.copy2.outputPriority),
               positions),
    radioField(IDC_CS2_ORDER1_RADIO, IDC_CS2_ORDER2_RADIO, FIELD(utility.copy2.fourInOneOrder),
               positions),
    checkField(IDC_CS2_CRISSCROSS_CHECK, FIELD(utility.copy2.crisscross)),
    listField(IDC_CS2_DIRECTION_LIST, FIELD(utility.copy2.originalDirection), IDS_DIRECTION_FIRST,
              IDS_DIRECTION_LAST),
    listField(IDC_CS2_BOOK_SEPARATION_LIST, FIELD(utility.copy2.bookSeparation), IDS_BOOK_FIRST,
              IDS_BOOK_LAST),
    listField(IDC_CS2_STAMP_LIST, FIELD(utility.copy2.stamp), IDS_STAMP_FIRST, IDS_STAMP_LAST),
    listField(IDC_CS2_PAGE_FORMAT_LIST, FIELD(utility.copy2.pageFormat), IDS_PAGE_FORMAT_FIRST,
              IDS_PAGE_FORMAT_LAST),
    listField(IDC_CS2_DATE_FORMAT_LIST, FIELD(utility.copy2.dateTimeFormat), IDS_DATE_FIRST,
              IDS_DATE_LAST),
};

// A mixed original needs a document feeder. Without one the box shows the
// stored value, greyed.
void opened(HWND page) {
    enableItem(page, IDC_CS2_MIXED_ORIGINAL_CHECK, hasDocumentFeeder(settingsDocument().config));
}

} // namespace

const SettingsPage copySetting2Page = {
    pageCopySetting2, labels, std::size(labels), fields, std::size(fields),
    opened, nullptr, nullptr, nullptr, nullptr, nullptr,
};
