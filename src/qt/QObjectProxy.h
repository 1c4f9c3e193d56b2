#pragma once
#include <QMetaObject>
#include <QPointer>
#include <memory>
#include <string>
#include <string_view>

#include "automation/objects/ClassDesc.h"
#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/IPropertyNotifySink.h"
#include "automation/values/Object.h"

class QObject;
class QMetaProperty;

namespace tav {

// A QObject as an automation object, so that any QObject can be the source object of a
// binding (SrcPart_AxCls, SrcPart_iDisp and every part that calls its source by name):
//
//  - its Q_PROPERTYs are its members, by name (without regard to case) for get, and for let
//    (or set, for a property that holds a QObject) when the property is writable; values
//    convert as QtVariant.h says, with the property's type declared in the type information
//    (an enumeration (Q_ENUM) as an enumeration of its items);
//  - its dynamic properties are members too, declared Variant, including those added later;
//  - a property's NOTIFY signal, and any change of a dynamic property, is announced through
//    IPropertyNotifySink with the property's member id, so SrcPart_AxCls shows program changes
//    by itself;
//  - TypeName is the class name of its QMetaObject (what SrcPart_AxCls checks).
//
// There is one proxy per QObject and thread (of() finds it again), so an object compares equal
// to itself however it was reached. The proxy does not own its QObject: once the QObject is
// destroyed every member fails with error 91 ("object variable not set") and nothing is
// announced any more. A proxy is used on the thread of its QObject only.
class QObjectProxy : public Object, public PropertyNotifySource {
  public:
    // The proxy of the object (made on first use); Nothing for nullptr.
    static Ref<QObjectProxy> of(QObject* object);
    ~QObjectProxy() override;

    // The QObject, or nullptr once it has been destroyed.
    QObject* object() const { return object_; }
    // The QObject; error 91 once it has been destroyed.
    QObject* live() const;

    std::string_view typeName() const override { return className_; }
    const ClassDesc* classDesc() const override { return desc_.get(); }
    std::shared_ptr<const ClassDesc> sharedClassDesc() const override { return desc_.shared(); }
    ConnectionPoint<IPropertyNotifySink>& propertyNotifyPoint() override { return changes_; }

  private:
    class Watcher;
    explicit QObjectProxy(QObject& object);

    const MemberDesc* findMember(std::string_view name) const;
    void describeProperty(const QMetaProperty& p);
    // A dynamic property as a member (once); its dispatch id.
    DispId dynamicMember(const QByteArray& name);
    void announce(DispId id);
    void forget();

    static Variant getStatic(Object& self, const CallArgs& a);
    static Variant putStatic(Object& self, const CallArgs& a);
    static Variant getDynamic(Object& self, const CallArgs& a);
    static Variant putDynamic(Object& self, const CallArgs& a);

    QPointer<QObject> object_;
    const QObject* key_;  // where this thread's proxies find this one
    std::string className_;
    DynamicClassDesc desc_;
    std::vector<QByteArray> dynamicNames_;  // by member data
    ConnectionPoint<IPropertyNotifySink> changes_;
    std::unique_ptr<Watcher> watcher_;
};

}  // namespace tav
