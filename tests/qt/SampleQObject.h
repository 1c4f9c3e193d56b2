#pragma once
// A data object of an application, as the Qt tests bind it: Q_PROPERTYs of the types the
// library converts, some announcing their changes (NOTIFY), some not, one read-only.
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantList>

namespace tav::testqt {

class SampleQObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(double length READ length WRITE setLength NOTIFY lengthChanged)
    Q_PROPERTY(QString unit READ unit WRITE setUnit NOTIFY unitChanged)
    Q_PROPERTY(int count MEMBER count_ NOTIFY countChanged)
    Q_PROPERTY(short small MEMBER small_)
    Q_PROPERTY(qint64 big MEMBER big_)
    Q_PROPERTY(uint positive MEMBER positive_)
    Q_PROPERTY(bool flag MEMBER flag_)
    Q_PROPERTY(float single MEMBER single_)
    Q_PROPERTY(QDate day MEMBER day_)
    Q_PROPERTY(QDateTime when MEMBER when_)
    Q_PROPERTY(QStringList names MEMBER names_)
    Q_PROPERTY(QVariantList items MEMBER items_)
    Q_PROPERTY(QVariant anything MEMBER anything_)
    Q_PROPERTY(SampleQObject* partner MEMBER partner_)
    Q_PROPERTY(Shade shade MEMBER shade_ NOTIFY shadeChanged)
    Q_PROPERTY(QString fixed READ fixed CONSTANT)

  public:
    enum Shade { gf_Light_Grey, gf_Dark_Grey = 1, gf_Black = 5 };
    Q_ENUM(Shade)

    using QObject::QObject;

    double length() const { return length_; }
    void setLength(double value) {
        if (value == length_) return;
        length_ = value;
        Q_EMIT lengthChanged(value);
    }
    QString unit() const { return unit_; }
    void setUnit(const QString& value) {
        if (value == unit_) return;
        unit_ = value;
        Q_EMIT unitChanged();
    }
    QString fixed() const { return QStringLiteral("fixed"); }

  Q_SIGNALS:
    void lengthChanged(double value);
    void unitChanged();
    void countChanged();
    void shadeChanged();

  public:
    double length_ = 2.5;
    QString unit_ = QStringLiteral("mm");
    int count_ = 0;
    short small_ = 0;
    qint64 big_ = 0;
    uint positive_ = 0;
    bool flag_ = false;
    float single_ = 0;
    QDate day_;
    QDateTime when_;
    QStringList names_;
    QVariantList items_;
    QVariant anything_;
    SampleQObject* partner_ = nullptr;
    Shade shade_ = gf_Dark_Grey;
};

}  // namespace tav::testqt
