// The window driven as its user drives it, its widgets found by the names the form gives them.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "LengthWindow.h"
#include "Sample.h"

class LengthWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The window takes Qt's default locale: the expected texts are en-US ones.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() {
        sample = std::make_unique<Sample>();
        window = std::make_unique<LengthWindow>(*sample);
        window->show();
        length = window->findChild<QLineEdit*>("lengthEdit");
        QVERIFY(length);
    }

    void showsTheLengthInMillimetres() { QCOMPARE(length->text(), QString("2500.0")); }

    void storesWhatTheUserTypes() {
        type("3000");
        QCOMPARE(sample->length(), 3.0);
        QCOMPARE(length->text(), QString("3000.0"));
    }

    void showsAProgramChangeByItself() {
        sample->setLength(0.125);
        QCOMPARE(length->text(), QString("125.0"));
        sample->setMaterial("Glass");
        QCOMPARE(window->findChild<QComboBox*>("materialCombo")->currentText(), QString("Glass"));
    }

    void refusesAnEntryThatIsNoNumber() {
        type("long");
        QCOMPARE(sample->length(), 2.5);
        QCOMPARE(length->text(), QString("long"));
        QCOMPARE(window->findChild<QLabel*>("status")->text(),
                 QString("Invalid value, a numeric value is required."));
    }

  private:
    void type(const char* text) {
        length->setFocus();
        length->selectAll();
        QTest::keyClicks(length, text);
        QTest::keyClick(length, Qt::Key_Return);
    }

    std::unique_ptr<Sample> sample;
    std::unique_ptr<LengthWindow> window;
    QLineEdit* length = nullptr;
};

QTEST_MAIN(LengthWindowTest)
#include "LengthWindowTest.moc"
