#include <setbook.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "temp_dir.h"

using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

class XpdReaderTest : public ::testing::Test {
protected:
    XpdReaderTest()
    {
        std::filesystem::create_directory(m_root.path() / "xpd");
        WriteFile(m_root / "xpd/alpha.xpd", "[Tovik]\nVISUAL_LOG=1\nEnableCorrelationStudio=12abc\nLong=0123456789ABCDEF\n");
        WriteFile(m_root / "xpd/beta.xpd", "[Tovik]\nVISUAL_LOG=1\nEnableCorrelationStudio=0\n");
        WriteFile(m_root / "outside.xpd", "[Tovik]\nVISUAL_LOG=7\n");
        SetbookSetXpdDirectory(nullptr);
    }
    ~XpdReaderTest() override { SetbookSetXpdDirectory(nullptr); }

    std::string Read(XpdReader& reader, const char* protocol, const char* key, int size = 128)
    {
        char buffer[128];
        std::memset(buffer, '#', sizeof buffer);
        reader.GetSectionKey(buffer, size, protocol, "Tovik", key, "0");
        return std::string(buffer);
    }

    TempDir m_root;
    std::string m_xpd = m_root / "xpd";
    ScopedEnv m_noEnvironment{"SETBOOK_XPD_DIR", nullptr};
};

TEST_F(XpdReaderTest, ReadsKeysOrTheDefault)
{
    struct Case { const char* name; const char* protocol; const char* key; const char* expected; };
    const Case cases[] = {
        {"present key", "alpha", "VISUAL_LOG", "1"},
        {"value kept as text", "alpha", "EnableCorrelationStudio", "12abc"},
        {"missing key", "alpha", "EnableScriptingAndJavaApplets", "0"},
        {"missing description", "gamma", "VISUAL_LOG", "0"},
        {"empty name", "", "VISUAL_LOG", "0"},
        {"parent directory", "../outside", "VISUAL_LOG", "0"},
        {"dots alone", "..", "VISUAL_LOG", "0"},
        {"slash", "xpd/alpha", "VISUAL_LOG", "0"},
        {"backslash", "xpd\\alpha", "VISUAL_LOG", "0"},
        {"control character", "alpha\t", "VISUAL_LOG", "0"},
    };
    XpdReader reader(m_xpd.c_str());
    for (const Case& c : cases)
        EXPECT_EQ(Read(reader, c.protocol, c.key), c.expected) << c.name;
}

TEST_F(XpdReaderTest, FillsTheBufferWithinItsSize)
{
    XpdReader reader(m_xpd.c_str());
    EXPECT_EQ(Read(reader, "alpha", "Long", 10), "012345678");
    EXPECT_EQ(Read(reader, "alpha", "Long", 1), "");

    char untouched[4] = {'x', 'y', 'z', '\0'};
    EXPECT_EQ(reader.GetSectionKey(untouched, 0, "alpha", "Tovik", "Long", "0"), 0);
    EXPECT_STREQ(untouched, "xyz");
}

TEST_F(XpdReaderTest, AddProtocolTellsWhetherTheDescriptionExists)
{
    XpdReader reader(m_xpd.c_str());
    EXPECT_EQ(reader.AddProtocol("alpha"), 1);
    EXPECT_EQ(reader.AddProtocol("gamma"), 0);
    EXPECT_EQ(reader.AddProtocol("../outside"), 0);
}

TEST_F(XpdReaderTest, FolderComesFromConstructorThenEnvironmentThenHost)
{
    TempDir other;
    WriteFile(other / "alpha.xpd", "[Tovik]\nVISUAL_LOG=env\n");
    TempDir host;
    WriteFile(host / "alpha.xpd", "[Tovik]\nVISUAL_LOG=host\n");

    SetbookSetXpdDirectory(host.path().c_str());
    XpdReader byDefault;
    EXPECT_EQ(Read(byDefault, "alpha", "VISUAL_LOG"), "host");
    {
        ScopedEnv environment("SETBOOK_XPD_DIR", other.path().c_str());
        EXPECT_EQ(Read(byDefault, "alpha", "VISUAL_LOG"), "env");
        XpdReader explicitFolder(m_xpd.c_str());
        EXPECT_EQ(Read(explicitFolder, "alpha", "VISUAL_LOG"), "1");
    }
}

TEST_F(XpdReaderTest, DefaultFolderIsProtocolsBesideTheProgramsFolder)
{
    // The test program lives in bin/ of the build tree, beside the copied
    // shipped descriptions.
    XpdReader reader;
    EXPECT_EQ(reader.AddProtocol("webflow"), 1);
    EXPECT_EQ(Read(reader, "webflow", "EnableCorrelationStudio"), "1");
    EXPECT_EQ(Read(reader, "termlink", "EnableCorrelationStudio"), "0");
}

TEST_F(XpdReaderTest, KeyValueOverSeveralProtocols)
{
    XpdReader reader(m_xpd.c_str());
    const std::list<std::string> both = {"gamma", "alpha", "beta"};
    EXPECT_STREQ(reader.GetXpdKeyValue("EnableCorrelationStudio", both, MKR_FIRST, "", nullptr), "12abc");
    EXPECT_EQ(reader.GetXpdKeyValue("EnableCorrelationStudio", both, MKR_ALL, "", nullptr), nullptr);
    EXPECT_STREQ(reader.GetXpdKeyValue("VISUAL_LOG", {"alpha", "beta"}, MKR_ALL, "Tovik", nullptr), "1");
    EXPECT_STREQ(reader.GetXpdKeyValue("Missing", both, MKR_FIRST, "", "dflt"), "dflt");

    EXPECT_EQ(reader.GetXpdKeyValueAsBool("EnableCorrelationStudio", {"alpha"}, MKR_FIRST, "", nullptr), 1);
    EXPECT_EQ(reader.GetXpdKeyValueAsBool("EnableCorrelationStudio", {"beta"}, MKR_FIRST, "", nullptr), 0);
    EXPECT_EQ(reader.GetXpdKeyValueAsBool("Missing", {"alpha"}, MKR_FIRST, "", nullptr), 0);
}

TEST_F(XpdReaderTest, CopiesKeepTheFolder)
{
    XpdReader original(m_xpd.c_str());
    XpdReader copy(original);
    XpdReader assigned;
    assigned = original;
    EXPECT_EQ(Read(copy, "alpha", "VISUAL_LOG"), "1");
    EXPECT_EQ(Read(assigned, "alpha", "VISUAL_LOG"), "1");

    CSetbook book("settings.ini");
    CSetbook bookCopy(book);
    CSetbook bookAssigned("other.ini");
    bookAssigned = book;
    EXPECT_EQ(bookCopy.GetSetbookName(), "settings.ini");
    EXPECT_EQ(bookAssigned.GetSetbookName(), "settings.ini");
}

}  // namespace
