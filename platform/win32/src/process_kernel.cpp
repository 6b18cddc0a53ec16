// Kernel odds and ends of the process: the last error, the current directory,
// narrow string helpers and MulDiv.
#include <windows.h>

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS;

// Only single characters and pointers above the first 64 KiB are strings, as
// Windows tells them apart in CharUpperA.
bool IsCharacterArgument(LPCSTR value) { return (reinterpret_cast<std::uintptr_t>(value) >> 16) == 0; }

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

DWORD WINAPI GetLastError(void) { return t_lastError; }
void WINAPI SetLastError(DWORD dwErrCode) { t_lastError = dwErrCode; }

DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
    std::string directory(PATH_MAX, '\0');
    if (!getcwd(directory.data(), directory.size())) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return 0;
    }
    directory.resize(std::strlen(directory.c_str()));
    // Too small a buffer: nothing is copied and the size needed, with its
    // terminating NUL, comes back.
    if (!lpBuffer || nBufferLength <= directory.size()) return static_cast<DWORD>(directory.size() + 1);
    std::memcpy(lpBuffer, directory.c_str(), directory.size() + 1);
    return static_cast<DWORD>(directory.size());
}

int WINAPI lstrlenA(LPCSTR lpString) { return lpString ? static_cast<int>(std::strlen(lpString)) : 0; }

LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
    if (!lpString1 || !lpString2 || iMaxLength <= 0) return lpString1;
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2[i]; ++i) lpString1[i] = lpString2[i];
    lpString1[i] = '\0';
    return lpString1;
}

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0) return -1;
    const long long product = static_cast<long long>(nNumber) * nNumerator;
    const long long magnitude = (product < 0 ? -product : product);
    const long long divisor = nDenominator < 0 ? -static_cast<long long>(nDenominator) : nDenominator;
    // Round half away from zero on the magnitudes, then restore the sign.
    const long long quotient = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (nDenominator < 0);
    const long long result = negative ? -quotient : quotient;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}

LPSTR WINAPI CharUpperA(LPSTR lpsz) {
    if (IsCharacterArgument(lpsz)) {
        const auto character = static_cast<char>(reinterpret_cast<std::uintptr_t>(lpsz) & 0xFF);
        return reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<unsigned char>(Upper(character))));
    }
    for (char* p = lpsz; *p; ++p) *p = Upper(*p);
    return lpsz;
}

DWORD WINAPI CharUpperBuffA(LPSTR lpsz, DWORD cchLength) {
    if (!lpsz) return 0;
    for (DWORD i = 0; i < cchLength; ++i) lpsz[i] = Upper(lpsz[i]);
    return cchLength;
}
