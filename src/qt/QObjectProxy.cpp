#include "qt/QObjectProxy.h"

#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "qt/NotifyRelay.h"
#include "qt/QtText.h"
#include "qt/QtVariant.h"

namespace tav {

namespace {

// The proxies of this thread by their QObject (not owned: a proxy leaves when it goes, and
// when its QObject goes, so that a new QObject at the same address gets a proxy of its own).
std::unordered_map<const QObject*, QObjectProxy*>& proxies() {
    thread_local std::unordered_map<const QObject*, QObjectProxy*> map;
    return map;
}

// Qt keeps its own dynamic properties under this prefix; they are no members.
constexpr char kQtInternalPrefix[] = "_q_";

TypeDesc scalarType(QMetaType type) {
    if (type.flags() & QMetaType::PointerToQObject) return TypeDesc::of(VarType::Object);
    switch (type.id()) {
        case QMetaType::Bool:
            return TypeDesc::of(VarType::Bool);
        case QMetaType::Short:
            return TypeDesc::of(VarType::I2);
        case QMetaType::UChar:
            return TypeDesc::of(VarType::UI1);
        case QMetaType::Int:
            return TypeDesc::of(VarType::I4);
        case QMetaType::Float:
            return TypeDesc::of(VarType::R4);
        case QMetaType::Double:
            return TypeDesc::of(VarType::R8);
        case QMetaType::QString:
        case QMetaType::QByteArray:
            return TypeDesc::of(VarType::String);
        case QMetaType::QDate:
        case QMetaType::QTime:
        case QMetaType::QDateTime:
            return TypeDesc::of(VarType::Date);
        default:
            // Wider integers, lists and the rest convert by the value they hold.
            return TypeDesc::of(VarType::Variant);
    }
}

EnumDesc enumOf(const QMetaEnum& e) {
    EnumDesc d;
    d.name = e.enumName();
    for (int i = 0; i < e.keyCount(); ++i) d.items.push_back({e.key(i), e.value(i)});
    return d;
}

QObjectProxy& proxyOf(Object& self) {
    return static_cast<QObjectProxy&>(self);
}

// The member data of a property: its index, and how it is read (a plain type straight, the
// rest through a QVariant).
enum class PlainRead : intptr_t { None, Double, Int, Bool };
constexpr int kReadBits = 2;
constexpr intptr_t kReadMask = (intptr_t{1} << kReadBits) - 1;

intptr_t memberData(const QMetaProperty& p) {
    PlainRead read = PlainRead::None;
    if (p.metaType() == QMetaType::fromType<double>())
        read = PlainRead::Double;
    else if (p.metaType() == QMetaType::fromType<int>() && !p.isEnumType())
        read = PlainRead::Int;
    else if (p.metaType() == QMetaType::fromType<bool>())
        read = PlainRead::Bool;
    return (static_cast<intptr_t>(p.propertyIndex()) << kReadBits) | static_cast<intptr_t>(read);
}

// A property of a plain type read straight into a value of that type, as QMetaProperty::read
// does on its way to a QVariant (a class may hand back a pointer to its own value instead).
template <class T>
T readAs(QObject* o, int index) {
    T value{};
    int status = -1;
    void* argv[] = {&value, nullptr, &status};
    QMetaObject::metacall(o, QMetaObject::ReadProperty, index, argv);
    return argv[0] == &value ? value : *static_cast<const T*>(argv[0]);
}

}  // namespace

// Hears the QObject going and its dynamic properties changing.
class QObjectProxy::Watcher : public QObject {
  public:
    explicit Watcher(QObjectProxy& proxy) : proxy_(proxy) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DynamicPropertyChange && watched == proxy_.object_) {
            const QByteArray name =
                static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
            if (!name.startsWith(kQtInternalPrefix)) proxy_.announce(proxy_.dynamicMember(name));
        }
        return false;
    }

  private:
    QObjectProxy& proxy_;
};

Ref<QObjectProxy> QObjectProxy::of(QObject* object) {
    if (!object) return {};
    auto& map = proxies();
    if (const auto it = map.find(object); it != map.end()) return Ref<QObjectProxy>(it->second);
    Ref<QObjectProxy> proxy(new QObjectProxy(*object));
    map.emplace(object, proxy.get());
    return proxy;
}

QObjectProxy::QObjectProxy(QObject& object)
    : object_(&object),
      key_(&object),
      className_(object.metaObject()->className()),
      desc_(ClassDesc(className_, std::string(QtText::QObjectProxyHelp))),
      watcher_(std::make_unique<Watcher>(*this)) {
    const QMetaObject& meta = *object.metaObject();
    // Change signals by signal, so that a signal announcing several properties is one relay.
    std::vector<std::pair<int, std::vector<DispId>>> notifiers;
    for (int i = 0; i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        if (!p.isReadable() || findMember(p.name()))
            continue;  // a name only once, whatever its case
        describeProperty(p);
        if (!p.hasNotifySignal()) continue;
        const DispId id = desc_.get()->defaultInterface().find(p.name())->id;
        auto it = std::find_if(notifiers.begin(), notifiers.end(),
                               [&](const auto& n) { return n.first == p.notifySignalIndex(); });
        if (it == notifiers.end())
            it = notifiers.insert(notifiers.end(), {p.notifySignalIndex(), {}});
        it->second.push_back(id);
    }
    const QMetaMethod relay =
        NotifyRelay::staticMetaObject.method(NotifyRelay::staticMetaObject.indexOfSlot("relay()"));
    for (auto& [signal, ids] : notifiers) {
        auto* r = new NotifyRelay(
            [this, ids = std::move(ids)] {
                for (DispId id : ids) announce(id);
            },
            watcher_.get());
        QObject::connect(&object, meta.method(signal), r, relay);
    }
    for (const QByteArray& name : object.dynamicPropertyNames())
        if (!name.startsWith(kQtInternalPrefix)) dynamicMember(name);
    object.installEventFilter(watcher_.get());
    QObject::connect(&object, &QObject::destroyed, watcher_.get(), [this] { forget(); });
}

QObjectProxy::~QObjectProxy() {
    if (object_) object_->removeEventFilter(watcher_.get());
    forget();
}

void QObjectProxy::forget() {
    auto& map = proxies();
    if (const auto it = map.find(key_); it != map.end() && it->second == this) map.erase(it);
}

const MemberDesc* QObjectProxy::findMember(std::string_view name) const {
    return desc_.get()->defaultInterface().find(name);
}

QObject* QObjectProxy::live() const {
    if (!object_)
        throw AutomationError(err::ObjectNotSet, std::string(QtText::WidgetSource),
                              std::string(QtText::ObjectGone));
    return object_;
}

void QObjectProxy::describeProperty(const QMetaProperty& p) {
    ClassDesc& desc = desc_.edit();
    TypeDesc type = scalarType(p.metaType());
    if (p.isEnumType() && !p.isFlagType())
        type = TypeDesc::enumType(desc.addOwnedEnumeration(enumOf(p.enumerator())));
    const bool writable = p.isWritable();
    const bool object = type.vt == VarType::Object;
    const bool variant = type.vt == VarType::Variant;
    Thunk let = writable && !object ? &putStatic : nullptr;
    Thunk set = writable && (object || variant) ? &putStatic : nullptr;
    desc.add(runtimeProperty(p.name(), type, memberData(p), &getStatic, let, set));
}

DispId QObjectProxy::dynamicMember(const QByteArray& name) {
    if (const MemberDesc* m = findMember(name.toStdString())) return m->id;
    dynamicNames_.push_back(name);
    ClassDesc& desc = desc_.edit();
    desc.add(runtimeProperty(name.toStdString(), TypeDesc::of(VarType::Variant),
                             static_cast<intptr_t>(dynamicNames_.size() - 1), &getDynamic,
                             &putDynamic, &putDynamic));
    return findMember(name.toStdString())->id;
}

void QObjectProxy::announce(DispId id) {
    changes_.fire([id](IPropertyNotifySink& sink) { sink.OnChanged(id); });
}

Variant QObjectProxy::getStatic(Object& self, const CallArgs& a) {
    QObject* o = proxyOf(self).live();
    const int index = static_cast<int>(a.data >> kReadBits);
    // The usual types of a data object go without a QVariant on the way: a redisplay reads
    // the property every time.
    switch (static_cast<PlainRead>(a.data & kReadMask)) {
        case PlainRead::Double:
            return Variant::R8(readAs<double>(o, index));
        case PlainRead::Int:
            return Variant::I4(readAs<int>(o, index));
        case PlainRead::Bool:
            return Variant::Bool(readAs<bool>(o, index));
        case PlainRead::None:
            break;
    }
    return qtvariant::fromQt(o->metaObject()->property(index).read(o));
}

Variant QObjectProxy::putStatic(Object& self, const CallArgs& a) {
    QObject* o = proxyOf(self).live();
    const QMetaProperty p = o->metaObject()->property(static_cast<int>(a.data >> kReadBits));
    if (!p.write(o, qtvariant::toQt(*a.fixed.back(), p.metaType()))) throwTypeMismatch();
    return Variant();
}

Variant QObjectProxy::getDynamic(Object& self, const CallArgs& a) {
    QObjectProxy& proxy = proxyOf(self);
    return qtvariant::fromQt(
        proxy.live()->property(proxy.dynamicNames_[static_cast<size_t>(a.data)].constData()));
}

Variant QObjectProxy::putDynamic(Object& self, const CallArgs& a) {
    QObjectProxy& proxy = proxyOf(self);
    proxy.live()->setProperty(proxy.dynamicNames_[static_cast<size_t>(a.data)].constData(),
                              qtvariant::toQt(*a.fixed.back()));
    return Variant();
}

}  // namespace tav
