// Any QObject as a source object: its properties as members by name with the platform's
// conversions both ways, its change signals as change notices, and its lifetime.
#include "qt/QObjectProxy.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QWidget>
#include <memory>
#include <vector>

#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"
#include "automation/values/TypedLiteral.h"
#include "direct/GluDrct_TypeListIntoVbCombo.h"
#include "qt/QtVariant.h"
#include "qt/SampleQObject.h"
#include "qt/WidgetBinder.h"
#include "sources/SrcPart_AxCls.h"
#include "sources/SrcPart_iDisp.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;
using testqt::SampleQObject;

std::string get(Object& o, std::string_view name) {
    return literal::print(invoke(o, name, InvokeKind::PropertyGet));
}
void let(Object& o, std::string_view name, const Variant& v) {
    Variant args[] = {v};
    invoke(o, name, v.isObject() ? InvokeKind::PropertySet : InvokeKind::PropertyLet, args);
}

TEST(QtVariant, EveryListedTypeGoesThereAndBackAgain) {
    SampleQObject partner;
    const QDate leapDay(2024, 2, 29);
    const struct {
        QVariant qt;
        const char* variant;
    } cases[] = {
        {QVariant(true), "Bool:True"},
        {QVariant(-7), "I4:-7"},
        {QVariant::fromValue<short>(7), "I2:7"},
        {QVariant::fromValue<uchar>(200), "UI1:200"},
        {QVariant::fromValue<qint64>(5), "I4:5"},
        {QVariant::fromValue<qint64>(3000000000), "R8:3000000000"},
        {QVariant::fromValue<uint>(4000000000u), "R8:4000000000"},
        {QVariant(2.5), "R8:2.5"},
        {QVariant(1.5f), "R4:1.5"},
        {QVariant(QString::fromUtf8("h\xC3\xA9llo")), "Str:\"h\xC3\xA9llo\""},
        {QVariant(QByteArray("raw")), "Str:\"raw\""},
        {QVariant(leapDay), "Date:45351"},
        {QVariant(QDateTime(leapDay, QTime(18, 0))), "Date:45351.75"},
        {QVariant(QStringList{"a", "b"}), "[Str:\"a\", Str:\"b\"]"},
        {QVariant(QVariantList{1, QString("x"), 2.5}), "[I4:1, Str:\"x\", R8:2.5]"},
        {QVariant(), "Empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        const Variant v = qtvariant::fromQt(c.qt);
        EXPECT_EQ(literal::print(v), c.variant);
        if (c.qt.isValid()) {
            EXPECT_EQ(qtvariant::toQt(v, c.qt.metaType()), c.qt);
        }
    }
    // An object travels as its proxy, the same one however it is reached.
    const Variant object = qtvariant::fromQt(QVariant::fromValue(&partner));
    EXPECT_EQ(object.object(), QObjectProxy::of(&partner).get());
    EXPECT_EQ(
        qtvariant::toQt(object, QMetaType::fromType<SampleQObject*>()).value<SampleQObject*>(),
        &partner);
    EXPECT_TRUE(qtvariant::fromQt(QVariant::fromValue<QObject*>(nullptr)).isNothing());
    // Without a type asked for, a value keeps its own.
    EXPECT_EQ(qtvariant::toQt(Variant::I4(3)).metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(qtvariant::toQt(literal::parse("[I4:1, Str:\"x\"]")),
              QVariant(QVariantList{1, QString("x")}));
}

TEST(QtVariant, IntegersRoundHalfToEvenAndOverflowOutsideTheirRange) {
    const struct {
        const char* variant;
        QMetaType type;
        QVariant expected;  // invalid: the error
        int32_t error;
    } cases[] = {
        {"R8:2.5", QMetaType::fromType<int>(), QVariant(2), 0},
        {"R8:3.5", QMetaType::fromType<int>(), QVariant(4), 0},
        {"R8:3000000000", QMetaType::fromType<int>(), {}, err::Overflow},
        {"I4:40000", QMetaType::fromType<short>(), {}, err::Overflow},
        {"R8:3000000000", QMetaType::fromType<qint64>(), QVariant::fromValue<qint64>(3000000000),
         0},
        {"R8:1e19", QMetaType::fromType<qint64>(), {}, err::Overflow},
        {"R8:1e19", QMetaType::fromType<quint64>(),
         QVariant::fromValue<quint64>(10000000000000000000u), 0},
        {"I4:-1", QMetaType::fromType<uint>(), {}, err::Overflow},
        {"Str:\"12\"", QMetaType::fromType<qint64>(), QVariant::fromValue<qint64>(12), 0},
        {"Str:\"abc\"", QMetaType::fromType<int>(), {}, err::TypeMismatch},
        {"Null", QMetaType::fromType<int>(), {}, err::TypeMismatch},
        {"Date:3000000", QMetaType::fromType<QDate>(), {}, err::Overflow},
        {"I4:1", QMetaType::fromType<QObject*>(), {}, err::TypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        const Variant v = literal::parse(c.variant);
        if (c.error) {
            EXPECT_EQ(errorOf([&] { qtvariant::toQt(v, c.type); }), c.error);
        } else {
            EXPECT_EQ(qtvariant::toQt(v, c.type), c.expected);
        }
    }
    EXPECT_EQ(errorOf([] { qtvariant::fromQt(QVariant(QDate(10000, 1, 1))); }), err::Overflow);
}

TEST(QObjectProxy, PropertiesAreMembersByNameWithTheirTypesDeclared) {
    SampleQObject sample;
    Ref<QObjectProxy> proxy = QObjectProxy::of(&sample);
    EXPECT_EQ(proxy->typeName(), "tav::testqt::SampleQObject");
    EXPECT_EQ(get(*proxy, "LENGTH"), "R8:2.5");
    let(*proxy, "length", Variant("4"));  // coerced to the declared Double
    EXPECT_EQ(sample.length(), 4.0);
    let(*proxy, "big", Variant::R8(3e9));
    EXPECT_EQ(sample.big_, 3000000000);
    EXPECT_EQ(errorOf([&] { let(*proxy, "count", Variant::R8(3e9)); }), err::Overflow);
    EXPECT_EQ(errorOf([&] { let(*proxy, "small", Variant::I4(40000)); }), err::Overflow);
    EXPECT_EQ(errorOf([&] { let(*proxy, "positive", Variant::I4(-1)); }), err::Overflow);
    EXPECT_EQ(errorOf([&] { let(*proxy, "fixed", Variant("x")); }), err::ObjectDoesNotSupport);
    EXPECT_EQ(errorOf([&] { get(*proxy, "nothingSuch"); }), err::ObjectDoesNotSupport);
    let(*proxy, "when", Variant::Date(45351.75));
    EXPECT_EQ(sample.when_, QDateTime(QDate(2024, 2, 29), QTime(18, 0)));
    let(*proxy, "names", literal::parse("[Str:\"a\", I4:2]"));
    EXPECT_EQ(sample.names_, (QStringList{"a", "2"}));

    // An enumeration is declared with its items, which a combo glue lists.
    const MemberInfo shade =
        TLIApplication::shared().interfaceInfoFromObject(proxy.get()).member("shade");
    ASSERT_TRUE(shade.returnType().isUserDefined());
    EXPECT_EQ(shade.returnType().typeInfo().name(), "Shade");
    EXPECT_EQ(get(*proxy, "shade"), "I4:1");
    let(*proxy, "shade", Variant::I4(5));
    EXPECT_EQ(sample.shade_, SampleQObject::gf_Black);

    // A property holding a QObject is set with its proxy and gives the same proxy back.
    SampleQObject partner;
    let(*proxy, "partner", Variant(QObjectProxy::of(&partner)));
    EXPECT_EQ(sample.partner_, &partner);
    EXPECT_EQ(invoke(*proxy, "partner", InvokeKind::PropertyGet).object(),
              QObjectProxy::of(&partner).get());
    EXPECT_EQ(errorOf([&] { let(*proxy, "partner", Variant(makeRef<SrcPart_iDisp>())); }),
              err::TypeMismatch);
}

TEST(QObjectProxy, ChangeSignalsAndDynamicPropertiesAreAnnouncedByMemberId) {
    struct Sink : IPropertyNotifySink {
        std::vector<DispId> ids;
        void OnChanged(DispId id) override { ids.push_back(id); }
    } sink;
    SampleQObject sample;
    sample.setProperty("note", "before");
    Ref<QObjectProxy> proxy = QObjectProxy::of(&sample);
    Connection c = proxy->propertyNotifyPoint().advise(sink);
    auto id = [&](std::string_view name) { return findMember(*proxy, name)->id; };

    sample.setLength(3);
    sample.setUnit("in");
    sample.setProperty("count", 4);  // a MEMBER property written through Qt emits its signal
    sample.setProperty("note", "after");
    sample.setProperty("added", 1.5);
    sample.setProperty("flag", true);  // no NOTIFY: nothing to announce
    EXPECT_EQ(sink.ids, (std::vector<DispId>{id("length"), id("unit"), id("count"), id("note"),
                                             id("added")}));
    EXPECT_EQ(get(*proxy, "added"), "R8:1.5");
    let(*proxy, "note", Variant::I4(9));
    EXPECT_EQ(sample.property("note"), QVariant(9));
    EXPECT_EQ(sink.ids.back(), id("note"));
}

TEST(QObjectProxy, OneProxyPerObjectThatOutlivesItSafely) {
    auto sample = std::make_unique<SampleQObject>();
    Ref<QObjectProxy> proxy = QObjectProxy::of(sample.get());
    EXPECT_EQ(QObjectProxy::of(sample.get()), proxy);
    sample.reset();
    EXPECT_EQ(proxy->object(), nullptr);
    EXPECT_EQ(errorOf([&] { get(*proxy, "length"); }), err::ObjectNotSet);
    SampleQObject another;  // perhaps at the same address: a proxy of its own
    EXPECT_NE(QObjectProxy::of(&another), proxy);
}

TEST(QObjectProxy, ServesEverySourcePartThatCallsItsObjectByName) {
    SampleQObject sample;
    QWidget window;
    auto* combo = new QComboBox(&window);
    WidgetBinder binder(&window);

    // The dispatch source part writes and tells the notifier itself.
    Ref<SrcPart_iDisp> plain = makeRef<SrcPart_iDisp>();
    binder.setSource(plain, &sample);
    plain->LetValue("length", Variant::R8(6));
    EXPECT_EQ(sample.length(), 6.0);

    // The notifying-class source part checks the class, and a combo glue lists the enumeration.
    Ref<SrcPart_AxCls> checked = makeRef<SrcPart_AxCls>();
    Ref<PropertyBag> bag = makeRef<PropertyBag>();
    bag->write("AxClsTypeName", Variant("tav::testqt::SampleQObject"));
    checked->ReadProperties(bag);
    binder.setSource(checked, &sample);
    EXPECT_EQ(errorOf([&] { binder.setSource(checked, &window); }), err::InvalidProcedureCall);
    Ref<GluDrct_TypeListIntoVbCombo> shades = makeRef<GluDrct_TypeListIntoVbCombo>();
    shades->SetRemoveEnumPrefix("gf_");
    shades->SetReplaceUnderscores(" ");
    binder.bind(combo, checked, "shade", {shades});
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "Black");
    EXPECT_EQ(combo->currentText(), "Dark Grey");
    sample.setProperty("shade", SampleQObject::gf_Black);
    EXPECT_EQ(combo->currentText(), "Black");
}

}  // namespace
}  // namespace tav
