#pragma once
// The application's data: a sample whose length (in metres) and unit are Qt properties that
// announce their changes. It knows nothing of the form that shows it.
#include <QObject>
#include <QString>

class Sample : public QObject {
    Q_OBJECT
    Q_PROPERTY(double length READ length WRITE setLength NOTIFY lengthChanged)
    Q_PROPERTY(QString material READ material WRITE setMaterial NOTIFY materialChanged)

  public:
    using QObject::QObject;

    double length() const { return length_; }
    void setLength(double metres) {
        if (metres == length_) return;
        length_ = metres;
        emit lengthChanged(metres);
    }
    QString material() const { return material_; }
    void setMaterial(const QString& name) {
        if (name == material_) return;
        material_ = name;
        emit materialChanged(name);
    }

  signals:
    void lengthChanged(double metres);
    void materialChanged(const QString& name);

  private:
    double length_ = 2.5;
    QString material_ = "Steel";
};
