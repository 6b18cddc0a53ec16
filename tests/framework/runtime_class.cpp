// Run-time class records: creation by class name and IsKindOf.
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int m_nRadius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

// A page whose record names CPropertyPage as its base, skipping an
// intermediate class that has no record of its own.
class CUnrecordedBase : public CPropertyPage {
public:
    CUnrecordedBase() : CPropertyPage(200u) {}
};
class CNamedPage : public CUnrecordedBase {
    DECLARE_DYNCREATE(CNamedPage)
};
IMPLEMENT_DYNCREATE(CNamedPage, CPropertyPage)

TEST(RuntimeClass, CreatesObjectsByClassName) {
    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("CCircle"));
    ASSERT_NE(object, nullptr);
    auto* circle = dynamic_cast<CCircle*>(object.get());
    ASSERT_NE(circle, nullptr) << "the object is of the named class";
    EXPECT_EQ(circle->m_nRadius, 7) << "built by its default constructor";
    EXPECT_EQ(object->GetRuntimeClass(), RUNTIME_CLASS(CCircle));

    EXPECT_EQ(CRuntimeClass::CreateObject("CShape"), nullptr) << "DECLARE_DYNAMIC gives no creation by name";
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CPropertyPage"), RUNTIME_CLASS(CPropertyPage)) << "framework classes too";
}

TEST(RuntimeClass, IsKindOfFollowsTheRecordedBases) {
    CCircle circle;
    struct Row {
        const char* name;
        const CRuntimeClass* pClass;
        bool expected;
    };
    const Row rows[] = {
        {"its own class", RUNTIME_CLASS(CCircle), true},
        {"its base", RUNTIME_CLASS(CShape), true},
        {"the root", RUNTIME_CLASS(CObject), true},
        {"an unrelated class", RUNTIME_CLASS(CWnd), false},
    };
    for (const Row& row : rows) EXPECT_EQ(circle.IsKindOf(row.pClass), row.expected) << row.name;

    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle))) << "a base is not of its derived class";
}

TEST(RuntimeClass, APageRecordSkipsBasesWithoutARecord) {
    std::unique_ptr<CObject> page(CRuntimeClass::CreateObject("CNamedPage"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CPropertyPage));
    EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
}

}  // namespace
