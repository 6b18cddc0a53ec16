// Run-time class records and the registry that finds them by name.
#include "framework/runtime_class.h"

#include <algorithm>
#include <cstring>

#include "framework_state.h"

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};
static const AFX_CLASSINIT afxInitCObject(RUNTIME_CLASS(CObject));

const CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)

void AfxThrowUserException() { throw CUserException(); }

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* pClass = this; pClass; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass) return TRUE;
    }
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName) return nullptr;
    for (const CRuntimeClass* pClass : AfxRegisteredClasses()) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0) return pClass;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    const CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass ? pClass->CreateObject() : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass) : m_pClass(pNewClass) {
    AfxRegisteredClasses().push_back(pNewClass);
}

// A plug-in's records go when its module is unloaded.
AFX_CLASSINIT::~AFX_CLASSINIT() {
    auto& classes = AfxRegisteredClasses();
    classes.erase(std::remove(classes.begin(), classes.end(), m_pClass), classes.end());
}
