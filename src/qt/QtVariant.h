#pragma once
#include <QMetaType>
#include <QVariant>

#include "automation/values/Variant.h"

// Qt values and Variants, both ways, as a QObject's properties meet the parts.
//
//   Qt                         Variant
//   bool                       Bool
//   short / int / uchar        Integer / Long / Byte
//   other integers (qint64)    Long when it fits, else Double (exact up to 2^53)
//   double / float             Double / Single
//   QString, QByteArray, QChar String (UTF-8)
//   QDate, QTime, QDateTime    Date (local time, to the second; an invalid one is Null)
//   QStringList, QVariantList  one-dimensional array from 0 (String or Variant elements)
//   QObject* (any QObject      the object's QObjectProxy, Nothing for nullptr
//     class pointer)
//   an enumeration (Q_ENUM)    Long
//   no value (invalid)         Empty
//
// Towards Qt a value is converted to the type asked for with the platform's rules: integers
// round half to even and overflow (error 6) outside the type's range; text that is no number,
// Null, and a type Qt cannot convert to are a type mismatch (error 13). Without a type asked for (a
// dynamic property, a QVariant property) the Variant's own type decides, Empty and Null giving no
// value.
namespace tav::qtvariant {

Variant fromQt(const QVariant& value);
QVariant toQt(const Variant& value, QMetaType type = QMetaType());

}  // namespace tav::qtvariant
