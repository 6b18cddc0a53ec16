// What the pages read of their settings' owners: a key of the current
// protocol's description, and the name of the host's profile file.
#pragma once

#include <afxwin.h>

#include <string>

// The value of key in section "Tovik" of the protocol's description, or "0"
// when the description or the key is missing, as it arrives in a buffer of
// nBufferSize characters. A reader of its own, asked once, is gone on return.
std::string ReadDescriptionKey(LPCSTR lpszProtocol, LPCSTR lpszKey, int nBufferSize);

// The host application's profile-file name; "" without an application object.
LPCSTR HostProfileName();
