// The settings library: protocol descriptions and settings files.
//
//   XpdReader      reads keys of protocol descriptions (<protocol>.xpd files
//                  in INI layout), one file per protocol
//   CSetbook       names a settings file
//   MultiKeysRelation  how GetXpdKeyValue combines the values of several
//                  protocols
//   SetbookSetXpdDirectory  where the host keeps its protocol descriptions
//
// The classes are exported with default visibility, so every library that
// uses their inline members carries and exports its own copies of them and
// of the virtual tables, as the settings library's users always have.
#pragma once

#include <cstdlib>
#include <list>
#include <string>

#define SETBOOK_API __attribute__((visibility("default")))

// How GetXpdKeyValue answers for a list of protocols.
enum MultiKeysRelation {
    MKR_FIRST,  // the value of the first protocol in the list that has the key
    MKR_ALL,    // the common value, only if every protocol has the key with the same value
};

class SETBOOK_API XpdReader {
public:
    // Attributes
    // strDirectory names the folder of the descriptions; empty means the
    // default lookup: $SETBOOK_XPD_DIR, else the host's folder set through
    // SetbookSetXpdDirectory, else protocols/ beside the executable's folder.
    explicit XpdReader(const char* strDirectory);
    XpdReader() : XpdReader("") {}
    XpdReader(const XpdReader& other) : m_nProtocols(other.m_nProtocols), m_strDirectory(other.m_strDirectory) {}
    XpdReader& operator=(const XpdReader& other)
    {
        m_nProtocols = other.m_nProtocols;
        m_strDirectory = other.m_strDirectory;
        return *this;
    }
    virtual ~XpdReader() {}

    // Operations
    // Makes the protocol's description known to the reader; 1 when it
    // exists, 0 when the name finds no description.
    int AddProtocol(const char* strProtocol);

    // Copies the key's value, or strDefault when the description, section or
    // key is missing, into buffer, cut to nSize-1 characters and
    // NUL-terminated (nothing is written when nSize is 0). Returns the
    // length copied.
    int GetSectionKey(char* buffer, int nSize, const char* strProtocol, const char* strSection,
                      const char* strKey, const char* strDefault);

    // The key's value in section strSection (empty: "Tovik") of the listed
    // protocols, combined by relation; strDefault when none answers (may be
    // null). The text stays valid until the next call on this thread.
    const char* GetXpdKeyValue(const char* strKey, const std::list<std::string>& protocols,
                               MultiKeysRelation relation, const char* strSection, const char* strDefault);

    // 1 when GetXpdKeyValue gives text whose atoi value is not 0, else 0.
    int GetXpdKeyValueAsBool(const char* strKey, const std::list<std::string>& protocols,
                             MultiKeysRelation relation, const char* strSection, const char* strDefault)
    {
        const char* value = GetXpdKeyValue(strKey, protocols, relation, strSection, strDefault);
        return value != nullptr && std::atoi(value) != 0 ? 1 : 0;
    }

private:
    int m_nProtocols;            // how many AddProtocol calls found a description
    std::string m_strDirectory;  // the constructor's folder, empty for the default
};

class SETBOOK_API CSetbook {
public:
    explicit CSetbook(const std::string& strName) : m_strName(strName) {}
    CSetbook(const CSetbook& other) : m_strName(other.m_strName) {}
    CSetbook& operator=(const CSetbook& other)
    {
        m_strName = other.m_strName;
        return *this;
    }
    virtual ~CSetbook() {}

    std::string GetSetbookName() const { return m_strName; }

private:
    std::string m_strName;  // the settings file
};

// The host's folder of protocol descriptions, consulted when neither the
// reader's constructor nor $SETBOOK_XPD_DIR names one. Null or "" clears it.
extern "C" SETBOOK_API void SetbookSetXpdDirectory(const char* strDirectory);
