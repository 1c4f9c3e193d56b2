// Scaling on display, the inverse at storage, the coefficient guard and the bag. (A bag's
// coefficient of 0, which the let refuses, dividing by zero at storage: the glues_basic script.)
#include "glues/GluPart_ScaleProp.h"

#include <gtest/gtest.h>

#include "GlueFakes.h"

namespace tav {
namespace {

using namespace fakes;

Ref<GluPart_ScaleProp> scaledBy(double coef) {
    Ref<GluPart_ScaleProp> g = makeRef<GluPart_ScaleProp>();
    g->SetScaleByCoef(coef);
    return g;
}

TEST(GluPart_ScaleProp, MemberTable) {
    EXPECT_EQ(memberList(GluPart_ScaleProp::table()), "ScaleByCoef:Double");
    EXPECT_EQ(GluPart_ScaleProp::table().help(),
              "Scales a single numeric property. Inverse applied at storage time.");
}

TEST(GluPart_ScaleProp, ScalesOnDisplayAndDividesOnStorage) {
    struct Case {
        const char* in;
        const char* shown;
    };
    const Case display_[] = {
        {"R8:2.5", "R8:2500"}, {"I4:3", "R8:3000"}, {"Str:\"2\"", "R8:2000"},
        {"Empty", "R8:0"},     {"Null", "Null"},
    };
    Ref<GluPart_ScaleProp> g = scaledBy(1000);
    for (const Case& c : display_) EXPECT_EQ(print(display(*g, lit(c.in))), c.shown) << c.in;
    EXPECT_EQ(print(store(*g, lit("R8:2500"))), "R8:2.5");
    EXPECT_EQ(print(store(*g, lit("Str:\"2500\""))), "R8:2.5");
    EXPECT_EQ(failure([&] { display(*g, lit("Str:\"abc\"")); }), "13||Type mismatch");
}

TEST(GluPart_ScaleProp, StoringTextThatIsNoNumberSaysSo) {
    Ref<GluPart_ScaleProp> g = scaledBy(1000);
    Variant v = lit("Str:\"abc\"");
    EXPECT_EQ(failure([&] { g->InvTransformForStorage(v); }),
              "13||Invalid value, a numeric value is required.");
    EXPECT_EQ(print(v), "Str:\"abc\"");  // the value is left as typed
}

TEST(GluPart_ScaleProp, CoefficientGuard) {
    const std::string tooSmall =
        "5|GluPart_ScaleProp|Scale Coeficient is too small, inverse will fail, or be inacurate. "
        "The coeficient "
        "must be larger than 1e-100.";
    struct Case {
        double coef;
        bool accepted;
    };
    const Case cases[] = {{1e-101, false}, {0.0, false},    {-1e-101, false},
                          {1e-100, true},  {-1e-100, true}, {-4, true}};
    for (const Case& c : cases) {
        Ref<GluPart_ScaleProp> g = scaledBy(7);
        Notices notices(*g);
        const std::string failed = failure([&] { let(*g, "ScaleByCoef", Variant::R8(c.coef)); });
        EXPECT_EQ(failed, c.accepted ? "" : tooSmall) << c.coef;
        EXPECT_EQ(g->ScaleByCoef(), c.accepted ? c.coef : 7.0) << c.coef;
        EXPECT_EQ(notices.take(), c.accepted ? "ScaleByCoef" : "") << c.coef;
    }
}

TEST(GluPart_ScaleProp, Bag) {
    Ref<GluPart_ScaleProp> g = makeRef<GluPart_ScaleProp>();
    EXPECT_EQ(g->ScaleByCoef(), 1.0);
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Count(), 0);  // the default is not kept
    g->SetScaleByCoef(2.5);
    g->WriteProperties(bag);
    EXPECT_EQ(bag->Text(), "# TAVParts property bag\nScaleByCoef = R8:2.5\n");

    Ref<GluPart_ScaleProp> loaded = makeRef<GluPart_ScaleProp>();
    loaded->ReadProperties(bag);
    EXPECT_EQ(loaded->ScaleByCoef(), 2.5);
    bag->write("ScaleByCoef", lit("Str:\"4\""));  // converted to Double on reading
    loaded->ReadProperties(bag);
    EXPECT_EQ(print(get(*loaded, "ScaleByCoef")), "R8:4");
    loaded->ReadProperties(makeRef<PropertyBag>());
    EXPECT_EQ(loaded->ScaleByCoef(), 1.0);
    loaded->SetScaleByCoef(3);
    loaded->InitProperties();
    EXPECT_EQ(loaded->ScaleByCoef(), 1.0);
}

}  // namespace
}  // namespace tav
