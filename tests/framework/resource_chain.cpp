// The resource chain: the application's module first, then each extension
// library in the order it joined, until it leaves.
#include <string>

#include "framework_fixture.h"
#include "modules/chain_module_ids.h"

namespace {

constexpr char kFirstModule[] = "libframework_chain_first.so";
constexpr char kSecondModule[] = "libframework_chain_second.so";

std::string Loaded(UINT nID) {
    std::string text;
    return AfxLoadString(nID, text) ? text : "(none)";
}

using ResourceChainTest = FrameworkTest;

TEST_F(ResourceChainTest, StringsComeFromTheFirstModuleOfTheChainThatHasThem) {
    HMODULE hFirst = ::LoadLibraryA(kFirstModule);
    HMODULE hSecond = ::LoadLibraryA(kSecondModule);
    ASSERT_NE(hFirst, nullptr);
    ASSERT_NE(hSecond, nullptr);

    struct Row {
        UINT nID;
        const char* expected;
        const char* why;
    };
    const Row rows[] = {
        {30, "application thirty", "the application's module comes first"},
        {20, "first twenty", "then the libraries in joining order"},
        {21, "second twenty-one", "a string only the second library has"},
        {22, "(none)", "a string nobody has"},
    };
    for (const Row& row : rows) EXPECT_EQ(Loaded(row.nID), row.expected) << row.why;

    ::FreeLibrary(hFirst);
    EXPECT_EQ(Loaded(20), "second twenty") << "an unloaded library left the chain";
    ::FreeLibrary(hSecond);
    EXPECT_EQ(Loaded(21), "(none)");
}

TEST_F(ResourceChainTest, AMessageBoxByStringNumberIsOwnedByTheMainWindow) {
    CWnd mainWindow;
    ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, "main", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
    m_app.m_pMainWnd = &mainWindow;
    HMODULE hFirst = ::LoadLibraryA(kFirstModule);
    HMODULE hSecond = ::LoadLibraryA(kSecondModule);
    Driver().AnswerNextMessageBox(IDCANCEL);

    EXPECT_EQ(AfxMessageBox(21, MB_OKCANCEL), IDCANCEL) << "the user's answer comes back";
    ASSERT_EQ(Driver().MessageBoxes().size(), 1u);
    const win32::MessageBoxRequest& box = Driver().MessageBoxes()[0];
    EXPECT_EQ(box.text, "second twenty-one");
    EXPECT_EQ(box.caption, "Framework Tests");
    EXPECT_EQ(box.owner, mainWindow.m_hWnd);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(AfxGetMainWnd(), &mainWindow);

    m_app.m_pMainWnd = nullptr;
    ::FreeLibrary(hSecond);
    ::FreeLibrary(hFirst);
}

TEST_F(ResourceChainTest, DialogTemplatesAreFoundInTheLibraryThatHasThem) {
    HMODULE hFirst = ::LoadLibraryA(kFirstModule);
    ASSERT_NE(hFirst, nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(CHAIN_DIALOG_ID), RT_DIALOG), hFirst);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(test_ids::kSimpleDialog), RT_DIALOG), AfxGetResourceHandle());
    {
        CDialog dialog(CHAIN_DIALOG_ID);
        ASSERT_TRUE(dialog.Create(CHAIN_DIALOG_ID));
        EXPECT_EQ(dialog.GetWindowText(), "Dialog of first");
    }
    ::FreeLibrary(hFirst);
    CDialog gone(CHAIN_DIALOG_ID);
    EXPECT_FALSE(gone.Create(CHAIN_DIALOG_ID)) << "the template left with its library";
}

}  // namespace
