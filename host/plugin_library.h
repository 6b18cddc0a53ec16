// CPluginLibrary: the plug-in library while tovik holds it, and its factories.
#pragma once

#include <dorvane_exports.h>
#include <windows.h>

#include <string>
#include <vector>

class CPluginLibrary {
public:
    CPluginLibrary() = default;
    ~CPluginLibrary();
    CPluginLibrary(const CPluginLibrary&) = delete;
    CPluginLibrary& operator=(const CPluginLibrary&) = delete;

    // Loads the library and finds its factories; FALSE with the reason when it
    // cannot be loaded or lacks create_new_tab.
    BOOL Load(const std::string& file, std::string& reason);
    // Unloads the library; no page of it may be left.
    void Free();

    // create_new_tab, then create_new_tab1 when the library has it.
    const std::vector<PageFactory>& Factories() const { return m_factories; }
    // The entry that opens the Advanced Correlation dialog; null when the library lacks it.
    OpenCorrAdvance CorrAdvanceEntry() const { return m_openCorrAdvance; }

private:
    HMODULE m_hModule = nullptr;
    std::vector<PageFactory> m_factories;
    OpenCorrAdvance m_openCorrAdvance = nullptr;
};

// The edition's library in the folder of the running program.
std::string DefaultPluginFile(bool bEarlierEdition);
