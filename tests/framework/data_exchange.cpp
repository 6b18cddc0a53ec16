// Data exchange between a dialog's controls and its fields, and UpdateData's
// failure as the caller sees it.
#include <functional>
#include <string>

#include "framework_fixture.h"

namespace {

using namespace test_ids;

constexpr int kMaxCount = 99;

class CSimpleDialog : public CDialog {
public:
    CSimpleDialog() : CDialog(kSimpleDialog) {}

    std::string m_strName;
    int m_bEnabled = 0;
    int m_nCount = 0;
    int m_nNameChanges = 0;
    // Replaces the exchange below when set (for the number types).
    std::function<void(CDataExchange*)> m_exchange;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (m_exchange) return m_exchange(pDX);
        DDX_Text(pDX, kNameEdit, m_strName);
        DDX_Check(pDX, kEnabledCheck, m_bEnabled);
        DDX_Text(pDX, kCountEdit, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 0, kMaxCount);
    }
    afx_msg void OnNameChange() { ++m_nNameChanges; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSimpleDialog, CDialog)
    ON_EN_CHANGE(kNameEdit, OnNameChange)
END_MESSAGE_MAP()

class DataExchangeTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ASSERT_TRUE(m_dialog.Create(kSimpleDialog));
    }
    std::string Text(int nID) {
        std::string text;
        m_dialog.GetDlgItemText(nID, text);
        return text;
    }
    std::string LastMessageBox() {
        const auto& boxes = Driver().MessageBoxes();
        return boxes.empty() ? std::string() : boxes.back().text;
    }

    CSimpleDialog m_dialog;
};

TEST_F(DataExchangeTest, FieldsAndControlsTradeValuesBothWays) {
    m_dialog.m_strName = "Ada";
    m_dialog.m_bEnabled = 1;
    m_dialog.m_nCount = 42;
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(kNameEdit), "Ada");
    EXPECT_EQ(m_dialog.IsDlgButtonChecked(kEnabledCheck), 1u);
    EXPECT_EQ(Text(kCountEdit), "42");

    m_dialog.SetDlgItemText(kNameEdit, "Grace");
    m_dialog.CheckDlgButton(kEnabledCheck, BST_UNCHECKED);
    m_dialog.SetDlgItemText(kCountEdit, " 7 ");
    ASSERT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_strName, "Grace");
    EXPECT_EQ(m_dialog.m_bEnabled, 0);
    EXPECT_EQ(m_dialog.m_nCount, 7) << "blanks around a number are accepted";
}

TEST_F(DataExchangeTest, AFailedSaveTellsTheUserAndReturnsToTheControl) {
    struct Row {
        const char* text;
        const char* prompt;
    };
    const Row rows[] = {
        {"", "Please enter an integer."},
        {"3x", "Please enter an integer."},
        {"99999999999", "Please enter an integer."},
        {"100", "Please enter an integer between 0 and 99."},
        {"-4", "Please enter an integer between 0 and 99."},
    };
    for (const Row& row : rows) {
        m_dialog.m_nCount = 5;
        m_dialog.SetDlgItemText(kNameEdit, "saved before the failure");
        m_dialog.SetDlgItemText(kCountEdit, row.text);
        ::SetFocus(m_dialog.GetDlgItem(kNameEdit)->m_hWnd);

        EXPECT_FALSE(m_dialog.UpdateData(TRUE)) << row.text;
        EXPECT_EQ(LastMessageBox(), row.prompt) << row.text;
        EXPECT_EQ(::GetFocus(), m_dialog.GetDlgItem(kCountEdit)->m_hWnd) << row.text;
        EXPECT_EQ(m_dialog.m_strName, "saved before the failure") << "fields before the failing control are saved";
        const bool bParsed = std::string(row.prompt).find("between") != std::string::npos;
        EXPECT_EQ(m_dialog.m_nCount, bParsed ? std::stoi(row.text) : 5)
            << row.text << ": a text that is no number leaves the field alone";
    }
    EXPECT_EQ(Driver().MessageBoxes().back().caption, "Framework Tests") << "captioned with the application's name";
}

TEST_F(DataExchangeTest, NumberTypesParseAsTheirOwnKind) {
    struct Row {
        const char* name;
        const char* text;
        std::function<std::string(CDataExchange*)> exchange;  // the field's value after a save
        const char* expected;                                // value, or the prompt on failure
    };
    auto asUInt = [](CDataExchange* pDX) {
        UINT value = 0;
        DDX_Text(pDX, kCountEdit, value);
        return std::to_string(value);
    };
    auto asLong = [](CDataExchange* pDX) {
        long value = 0;
        DDX_Text(pDX, kCountEdit, value);
        return std::to_string(value);
    };
    auto asDouble = [](CDataExchange* pDX) {
        double value = 0;
        DDX_Text(pDX, kCountEdit, value);
        return std::to_string(value);
    };
    const Row rows[] = {
        {"unsigned", "4294967295", asUInt, "4294967295"},
        {"unsigned refuses a sign", "-1", asUInt, "Please enter a positive integer."},
        {"unsigned refuses overflow", "4294967296", asUInt, "Please enter a positive integer."},
        {"long", "-12", asLong, "-12"},
        {"double", "2.5e1", asDouble, "25.000000"},
        {"double refuses letters", "2.5kg", asDouble, "Please enter a number."},
    };
    for (const Row& row : rows) {
        std::string result;
        m_dialog.m_exchange = [&](CDataExchange* pDX) { result = row.exchange(pDX); };
        m_dialog.SetDlgItemText(kCountEdit, row.text);
        const size_t nBoxesBefore = Driver().MessageBoxes().size();
        const BOOL bSaved = m_dialog.UpdateData(TRUE);
        EXPECT_EQ(bSaved ? result : LastMessageBox(), row.expected) << row.name;
        EXPECT_EQ(Driver().MessageBoxes().size(), nBoxesBefore + (bSaved ? 0 : 1)) << row.name;
    }

    double value = 0.1;
    m_dialog.m_exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, kCountEdit, value); };
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(kCountEdit), "0.1") << "a double is shown with the digits it keeps";
}

// Filling the controls makes the edit send EN_CHANGE, as the platform does; the
// framework keeps that from the dialog's handlers. Typing still reaches them.
TEST_F(DataExchangeTest, FillingTheControlsFiresNoHandler) {
    m_dialog.m_strName = "set by code";
    ASSERT_TRUE(m_dialog.UpdateData(FALSE));
    EXPECT_EQ(m_dialog.m_nNameChanges, 0);

    ::SendMessageA(m_dialog.GetDlgItem(kNameEdit)->m_hWnd, WM_CHAR, 'x', 1);
    EXPECT_EQ(m_dialog.m_nNameChanges, 1);
}

}  // namespace
