// The "Toolbox" page.
#include "toolbox_page.h"

#include <cstdint>
#include <vector>

#include "gallery_ids.h"

namespace {

constexpr const char* kComboChoices[] = {"Red", "Green", "Blue"};
constexpr int kFirstGroup[] = {IDC_TOOLBOX_EDIT, IDC_TOOLBOX_COMBO, 0};
constexpr int kSecondGroup[] = {IDC_TOOLBOX_CHECK, IDC_TOOLBOX_RADIO_FIRST, IDC_TOOLBOX_RADIO_SECOND, 0};
constexpr int kTimerValue = 1;
constexpr UINT kTimerDelay = 1000;  // milliseconds

// The frame is 90 by 40 dialog units (about 135 by 65 pixels): the small
// bitmap fits and is centred, the large one does not and is stretched.
constexpr int kSmallBitmapSize = 24;
constexpr int kLargeBitmapWidth = 200;
constexpr int kLargeBitmapHeight = 16;
constexpr int kCheckerSquare = 4;
constexpr UINT kPlanes = 1;
constexpr UINT kBitsPerPixel = 32;
constexpr std::uint32_t kDark = 0x00203080;   // 0x00RRGGBB
constexpr std::uint32_t kLight = 0x00F0C040;

// A checkerboard of 4-pixel squares, 32 bits a pixel, rows top-down.
void CreateChecker(CBitmap& bitmap, int nWidth, int nHeight) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight));
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            const bool bDark = ((x / kCheckerSquare) + (y / kCheckerSquare)) % 2 == 0;
            pixels[static_cast<size_t>(y) * static_cast<size_t>(nWidth) + static_cast<size_t>(x)] = bDark ? kDark : kLight;
        }
    }
    bitmap.CreateBitmap(nWidth, nHeight, kPlanes, kBitsPerPixel, pixels.data());
    // DrawBitmap centres or stretches by the size recorded on the bitmap.
    bitmap.SetBitmapDimension(nWidth, nHeight);
}

}  // namespace

BEGIN_MESSAGE_MAP(CToolboxPage, CCfgTab)
    ON_BN_CLICKED(IDC_TOOLBOX_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_TOOLBOX_RECORD, OnRecord)
    ON_BN_CLICKED(IDC_TOOLBOX_REPLAY, OnReplay)
    ON_BN_CLICKED(IDC_TOOLBOX_FIRST_GROUP, OnFirstGroup)
    ON_BN_CLICKED(IDC_TOOLBOX_SECOND_GROUP, OnSecondGroup)
    ON_BN_CLICKED(IDC_TOOLBOX_START_TIMER, OnStartTimer)
    ON_BN_CLICKED(IDC_TOOLBOX_DRAW_SMALL, OnDrawSmall)
    ON_BN_CLICKED(IDC_TOOLBOX_DRAW_LARGE, OnDrawLarge)
    ON_BN_CLICKED(IDC_TOOLBOX_CANCEL_TO_CLOSE, OnCancelToClose)
END_MESSAGE_MAP()

CToolboxPage::CToolboxPage(std::ostream& report)
    : CCfgTab("Gallery", "", "", IDD_GALLERY_TOOLBOX, 0), m_report(report) {
    m_bCaptureStates = true;
    CreateChecker(m_smallBitmap, kSmallBitmapSize, kSmallBitmapSize);
    CreateChecker(m_largeBitmap, kLargeBitmapWidth, kLargeBitmapHeight);
}

BOOL CToolboxPage::OnInitDialog() {
    CCfgTab::OnInitDialog();
    for (const char* choice : kComboChoices) {
        SendDlgItemMessage(IDC_TOOLBOX_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    m_btnCaptionA.SubclassDlgItem(IDC_TOOLBOX_CAPTION_A, this);
    m_btnCaptionB.SubclassDlgItem(IDC_TOOLBOX_CAPTION_B, this);
    return TRUE;
}

void CToolboxPage::OnClear() { ClearControls(); }

void CToolboxPage::OnRecord() {
    m_nRecords = kRecordCapacity;
    SaveControlStates(&m_nRecords, m_records.data());
    m_report << "recorded " << m_nRecords << '\n';
}

void CToolboxPage::OnReplay() {
    RestoreControlStates(m_nRecords, m_records.data());
    m_report << "replayed " << m_nRecords << '\n';
}

void CToolboxPage::OnFirstGroup() { EnableControlGroups(kFirstGroup, this, kSecondGroup); }

void CToolboxPage::OnSecondGroup() { EnableControlGroups(kSecondGroup, this, kFirstGroup); }

void CToolboxPage::OnStartTimer() { StartCaptionTimer(IDS_GALLERY_CAPTION_A, IDS_GALLERY_CAPTION_B, kTimerValue, kTimerDelay); }

void CToolboxPage::OnDrawSmall() { DrawBitmap(&m_smallBitmap, IDC_TOOLBOX_FRAME); }

void CToolboxPage::OnDrawLarge() { DrawBitmap(&m_largeBitmap, IDC_TOOLBOX_FRAME); }

void CToolboxPage::OnCancelToClose() { SheetCancelToClose(); }
