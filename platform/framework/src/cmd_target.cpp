// Message-map lookup and command dispatch.
#include <array>
#include <cstdint>

#include "framework/message_map.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static constexpr AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxHandler{}}};
    static constexpr AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID) {
    return entry.nMessage == nMessage && entry.nCode == nCode && entry.nID <= nID && nID <= entry.nLastID;
}

const AFX_MSGMAP_ENTRY* WalkChain(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nMessage != 0; ++pEntry) {
            if (Matches(*pEntry, nMessage, nCode, nID)) return pEntry;
        }
    }
    return nullptr;
}

// Maps are constant for the life of their module, so a lookup's answer
// (including "none") can be kept; a direct-mapped cache keyed by the class's
// map and the message saves walking the chain for every message. A module
// that goes away takes its maps with it, so the cache is emptied whenever
// a module leaves the resource chain.
struct CacheSlot {
    const AFX_MSGMAP* pMap = nullptr;
    UINT nMessage = 0;
    UINT nCode = 0;
    UINT nID = 0;
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};
constexpr size_t kCacheSize = 1024;  // a power of two
std::array<CacheSlot, kCacheSize> g_cache;

size_t CacheIndex(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
    constexpr unsigned kMapAlignmentBits = 4;
    auto key = (reinterpret_cast<std::uintptr_t>(pMap) >> kMapAlignmentBits) ^ nMessage ^ (nCode * 31u) ^ (nID * 131u);
    return key & (kCacheSize - 1);
}

}  // namespace

void AfxResetMessageCache() { g_cache.fill(CacheSlot{}); }

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID) {
    CacheSlot& slot = g_cache[CacheIndex(pMap, nMessage, nCode, nID)];
    if (slot.pMap == pMap && slot.nMessage == nMessage && slot.nCode == nCode && slot.nID == nID) return slot.pEntry;
    const AFX_MSGMAP_ENTRY* pEntry = WalkChain(pMap, nMessage, nCode, nID);
    slot = CacheSlot{pMap, nMessage, nCode, nID, pEntry};
    return pEntry;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (!pEntry) return FALSE;
    if (const auto* pVoid = std::get_if<AfxSigVoid>(&pEntry->handler)) {
        (this->*pVoid->pfn)();
        return TRUE;
    }
    if (const auto* pRange = std::get_if<AfxSigRange>(&pEntry->handler)) {
        (this->*pRange->pfn)(nID);
        return TRUE;
    }
    return FALSE;
}
