#include "qt/QtVariant.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "automation/conversions/Conversions.h"
#include "automation/conversions/DateMath.h"
#include "automation/values/AutomationError.h"
#include "automation/values/SafeArray.h"
#include "qt/QObjectProxy.h"
#include "qt/QtStrings.h"

namespace tav::qtvariant {

namespace {

constexpr double kMsPerSecond = 1000;
constexpr int32_t kCurrencyScale = 10000;
// The bounds of the 64-bit integers as doubles: -2^63 is exact, 2^63 and 2^64 are the first
// values beyond the signed and unsigned ranges.
constexpr double kInt64Low = -9223372036854775808.0;
constexpr double kInt64End = 9223372036854775808.0;
constexpr double kUInt64End = 18446744073709551616.0;

Variant integral(int64_t n) {
    if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
        return Variant::I4(static_cast<int32_t>(n));
    return Variant::R8(static_cast<double>(n));
}

Variant text(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return Variant(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// A serial date from a local calendar day and time.
Variant serial(const QDate& day, int hour, int minute, int second) {
    if (!day.isValid()) return Variant::Null();
    const std::optional<double> d = date::serialFromDate(day.year(), day.month(), day.day());
    if (!d || !date::inRange(*d)) throwOverflow();
    return Variant::Date(*date::combine(*d, hour, minute, second));
}

Variant fromDateTime(const QDateTime& value) {
    if (!value.isValid()) return Variant::Null();
    // To the nearest second, which may be the next day.
    const QDateTime t = value.toLocalTime().addMSecs(static_cast<qint64>(kMsPerSecond / 2));
    return serial(t.date(), t.time().hour(), t.time().minute(), t.time().second());
}

CivilDateTime civil(const Variant& v) {
    const std::optional<CivilDateTime> c = date::toCivil(CDate(v));
    if (!c) throwOverflow();
    return *c;
}

template <class List, class Element>
Variant array(const List& items, VarType elementType, Element element) {
    std::vector<Variant> out;
    out.reserve(static_cast<size_t>(items.size()));
    for (const auto& item : items) out.push_back(element(item));
    return Variant(SafeArray::vector(std::move(out), 0, elementType));
}

const SafeArray& oneDimensional(const Variant& v) {
    if (!v.isArray() || (v.array().allocated() && v.array().dims() != 1)) throwTypeMismatch();
    return v.array();
}

// The rounded value of a whole number type, or overflow outside [low, end).
double whole(const Variant& v, double low, double end) {
    const double d = std::rint(CDbl(v));
    if (!(d >= low && d < end)) throwOverflow();
    return d;
}

QObject* qobjectOf(const Variant& v) {
    if (v.isNothing()) return nullptr;
    if (!v.isObject()) throwTypeMismatch();
    auto* proxy = dynamic_cast<QObjectProxy*>(v.object());
    if (!proxy) throwTypeMismatch();
    return proxy->live();
}

QVariant byOwnType(const Variant& v) {
    switch (v.type()) {
        case VarType::I2:
            return QVariant(int(v.i2()));
        case VarType::I4:
            return QVariant(int(v.i4()));
        case VarType::UI1:
            return QVariant(int(v.ui1()));
        case VarType::Error:
            return QVariant(int(v.error()));
        case VarType::R4:
            return QVariant(v.r4());
        case VarType::R8:
            return QVariant(v.r8());
        case VarType::Currency:
            return QVariant(static_cast<double>(v.currency()) / kCurrencyScale);
        case VarType::Bool:
            return QVariant(v.boolean());
        case VarType::String:
            return QVariant(qtext(v.str()));
        case VarType::Date:
            return toQt(v, QMetaType::fromType<QDateTime>());
        case VarType::Object:
            return QVariant::fromValue(qobjectOf(v));
        case VarType::Array: {
            QVariantList list;
            if (oneDimensional(v).allocated())
                for (const Variant& item : v.array().data()) list.push_back(byOwnType(item));
            return list;
        }
        default:
            return QVariant();  // Empty and Null: no value
    }
}

}  // namespace

Variant fromQt(const QVariant& value) {
    if (!value.isValid()) return Variant();
    const QMetaType type = value.metaType();
    if (type.flags() & QMetaType::PointerToQObject)
        return Variant(QObjectProxy::of(value.value<QObject*>()));
    if (type.flags() & QMetaType::IsEnumeration) return integral(value.toLongLong());
    switch (type.id()) {
        case QMetaType::Bool:
            return Variant::Bool(value.toBool());
        case QMetaType::Short:
        case QMetaType::SChar:
        case QMetaType::Char:
            return Variant::I2(static_cast<int16_t>(value.toInt()));
        case QMetaType::UChar:
            return Variant::UI1(static_cast<uint8_t>(value.toUInt()));
        case QMetaType::Int:
            return Variant::I4(value.toInt());
        case QMetaType::UShort:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return integral(value.toLongLong());
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            const qulonglong n = value.toULongLong();
            return n <= static_cast<qulonglong>(std::numeric_limits<int64_t>::max())
                       ? integral(static_cast<int64_t>(n))
                       : Variant::R8(static_cast<double>(n));
        }
        case QMetaType::Double:
            return Variant::R8(value.toDouble());
        case QMetaType::Float:
            return Variant::R4(value.toFloat());
        case QMetaType::QString:
        case QMetaType::QChar:
            return text(value.toString());
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return Variant(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        }
        case QMetaType::QDate:
            return serial(value.toDate(), 0, 0, 0);
        case QMetaType::QTime: {
            const QTime t = value.toTime();
            if (!t.isValid()) return Variant::Null();
            return Variant::Date(*date::fractionFromTime(t.hour(), t.minute(), t.second()));
        }
        case QMetaType::QDateTime:
            return fromDateTime(value.toDateTime());
        case QMetaType::QStringList:
            return array(value.toStringList(), VarType::String,
                         [](const QString& s) { return text(s); });
        case QMetaType::QVariantList:
            return array(value.toList(), VarType::Variant,
                         [](const QVariant& v) { return fromQt(v); });
        case QMetaType::Nullptr:
            return Variant::Null();
        default:
            // Anything else that has a text (a URL, say) shows as that text.
            if (value.canConvert<QString>()) return text(value.toString());
            throwError(err::BadVarType);
    }
}

QVariant toQt(const Variant& value, QMetaType type) {
    if (!type.isValid() || type.id() == QMetaType::QVariant) return byOwnType(value);
    if (type.flags() & QMetaType::PointerToQObject) {
        QObject* object = qobjectOf(value);
        const QMetaObject* wanted = type.metaObject();
        if (object && wanted && !object->metaObject()->inherits(wanted)) throwTypeMismatch();
        QVariant q = QVariant::fromValue(object);
        q.convert(type);
        return q;
    }
    if (type.flags() & QMetaType::IsEnumeration) {
        QVariant q(CLng(value));
        q.convert(type);
        return q;
    }
    switch (type.id()) {
        case QMetaType::Bool:
            return QVariant(CBool(value));
        case QMetaType::Int:
            return QVariant(CLng(value));
        case QMetaType::Short:
            return QVariant::fromValue(static_cast<short>(CInt(value)));
        case QMetaType::UChar:
            return QVariant::fromValue(static_cast<uchar>(CByte(value)));
        case QMetaType::SChar:
        case QMetaType::Char:
            return QVariant::fromValue(
                static_cast<signed char>(whole(value, std::numeric_limits<signed char>::min(),
                                               std::numeric_limits<signed char>::max() + 1.0)));
        case QMetaType::UShort:
            return QVariant::fromValue(
                static_cast<ushort>(whole(value, 0, std::numeric_limits<ushort>::max() + 1.0)));
        case QMetaType::UInt:
            return QVariant::fromValue(
                static_cast<uint>(whole(value, 0, std::numeric_limits<uint>::max() + 1.0)));
        case QMetaType::Long:
        case QMetaType::LongLong: {
            QVariant q =
                QVariant::fromValue(static_cast<qlonglong>(whole(value, kInt64Low, kInt64End)));
            q.convert(type);
            return q;
        }
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            QVariant q = QVariant::fromValue(static_cast<qulonglong>(whole(value, 0, kUInt64End)));
            q.convert(type);
            return q;
        }
        case QMetaType::Double:
            return QVariant(CDbl(value));
        case QMetaType::Float:
            return QVariant(CSng(value));
        case QMetaType::QString:
            return QVariant(qtext(CStr(value)));
        case QMetaType::QByteArray:
            return QVariant(QByteArray::fromStdString(CStr(value)));
        case QMetaType::QChar: {
            const QString s = qtext(CStr(value));
            if (s.size() != 1) throwTypeMismatch();
            return QVariant(s.front());
        }
        case QMetaType::QDate: {
            const CivilDateTime c = civil(value);
            return QVariant(QDate(c.year, c.month, c.day));
        }
        case QMetaType::QTime: {
            const CivilDateTime c = civil(value);
            return QVariant(QTime(c.hour, c.minute, c.second));
        }
        case QMetaType::QDateTime: {
            const CivilDateTime c = civil(value);
            return QVariant(
                QDateTime(QDate(c.year, c.month, c.day), QTime(c.hour, c.minute, c.second)));
        }
        case QMetaType::QStringList: {
            QStringList list;
            if (oneDimensional(value).allocated())
                for (const Variant& item : value.array().data()) list.push_back(qtext(CStr(item)));
            return list;
        }
        case QMetaType::QVariantList:
            if (!value.isArray()) throwTypeMismatch();
            return byOwnType(value);
        default: {
            QVariant q = byOwnType(value);
            if (!q.convert(type)) throwTypeMismatch();
            return q;
        }
    }
}

}  // namespace tav::qtvariant
