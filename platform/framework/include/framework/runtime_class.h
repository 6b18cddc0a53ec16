// Run-time class information and the root of the class tree.
//
// Index:
//   CRuntimeClass        class name, size, base class, creation by name
//   CObject              root class: GetRuntimeClass, IsKindOf
//   CException,
//   CUserException       the framework's internal exceptions (data exchange)
//   DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC, DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE,
//   RUNTIME_CLASS        macros that build a class's record; nothing more
#pragma once

#include <windows.h>

#include "framework/framework_api.h"

class CObject;

struct FRAMEWORK_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    // Creates a default-constructed object; null for classes without creation by name.
    CObject* (*m_pfnCreateObject)();
    // Null only for CObject.
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Classes are found by name among every class record of the loaded modules.
    static const CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
};

// Registers a class record for FromName while its module is loaded.
struct FRAMEWORK_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(const CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

private:
    const CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                        \
public:                                                    \
    static const CRuntimeClass class##class_name;          \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                                          \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), pfnNew, \
                                                         RUNTIME_CLASS(base_class_name)};                          \
    static const AFX_CLASSINIT afxInit##class_name(RUNTIME_CLASS(class_name));                                    \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)              \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)

class FRAMEWORK_API CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

class FRAMEWORK_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
};

// Thrown by CDataExchange::Fail and caught by UpdateData; never leaves a
// window procedure.
class FRAMEWORK_API CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] FRAMEWORK_API void AfxThrowUserException();
