// An application's own widgets bound to its own QObject through the binder, driven with QTest as
// a user drives them: entries stored through the glues, program changes shown by themselves,
// failures marked and heard, lifetimes safe both ways, the widgets left as they were designed.
#include "qt/WidgetBinder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUiLoader>
#include <cmath>
#include <limits>
#include <memory>

#include "glues/GluPart_Formating.h"
#include "glues/GluPart_OptnValu.h"
#include "glues/GluPart_ScaleProp.h"
#include "host/framework/FailureCallback.h"
#include "qt/SampleQObject.h"
#include "sources/SrcPart_AxCls.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

using testing_support::errorOf;
using testqt::SampleQObject;

constexpr char kNumericRequired[] = "Invalid value, a numeric value is required.";

class WidgetBinderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lengthEdit->setObjectName("lengthEdit");
        window.show();
        binder->setSource(source, &sample);
        scale->SetScaleByCoef(1000);
        format->SetFormatString("0.0");
    }
    Binding& bindLength() { return binder->bind("lengthEdit", source, "length", {scale, format}); }
    static void type(QLineEdit& edit, const char* text) {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }
    bool marked(QWidget* widget) { return binder->control(widget).marked(); }

    QWidget window;
    QLineEdit* lengthEdit = new QLineEdit(&window);
    SampleQObject sample;
    std::unique_ptr<WidgetBinder> binder = std::make_unique<WidgetBinder>(&window);
    Ref<SrcPart_AxCls> source = makeRef<SrcPart_AxCls>();
    Ref<GluPart_ScaleProp> scale = makeRef<GluPart_ScaleProp>();
    Ref<GluPart_Formating> format = makeRef<GluPart_Formating>();
    std::vector<CycleFailure> heard;
    FailureCallback onFailure{binder->form(),
                              [this](const CycleFailure& f) { heard.push_back(f); }};
};

TEST_F(WidgetBinderTest, TypingAndReturnStoresThroughTheGluesAndProgramChangesShowByThemselves) {
    bindLength();
    EXPECT_EQ(lengthEdit->text(), "2500.0");
    type(*lengthEdit, "3000");
    EXPECT_EQ(sample.length(), 3.0);
    EXPECT_EQ(lengthEdit->text(), "3000.0");

    sample.setLength(4.25);  // the NOTIFY signal reaches the source part
    EXPECT_EQ(lengthEdit->text(), "4250.0");
    EXPECT_TRUE(heard.empty());
}

TEST_F(WidgetBinderTest, ARefusedEntryKeepsTheTextMarksTheWidgetEmitsTheFailureAndStoresNothing) {
    bindLength();
    QSignalSpy failed(binder.get(), &WidgetBinder::failed);
    type(*lengthEdit, "abc");
    EXPECT_EQ(sample.length(), 2.5);
    EXPECT_EQ(lengthEdit->text(), "abc");
    EXPECT_TRUE(marked(lengthEdit));
    EXPECT_EQ(lengthEdit->toolTip(), kNumericRequired);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0][0].value<QWidget*>(), lengthEdit);
    const auto failure = failed[0][1].value<CycleFailure>();
    EXPECT_EQ(failure.cycle, Cycle::Storage);
    EXPECT_EQ(failure.description, kNumericRequired);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].binding, "lengthEdit");

    type(*lengthEdit, "1000");  // an entry that goes through takes the mark away
    EXPECT_EQ(sample.length(), 1.0);
    EXPECT_FALSE(marked(lengthEdit));
    EXPECT_EQ(lengthEdit->toolTip(), "");
}

TEST_F(WidgetBinderTest, ADisplayFailureAfterAProgramChangeMarksTheWidgetAndReachesTheCallback) {
    bindLength();
    QSignalSpy failed(binder.get(), &WidgetBinder::failed);
    for (double value : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        sample.setLength(value);
        EXPECT_EQ(lengthEdit->text(), "2500.0");  // what it showed stays
        EXPECT_TRUE(marked(lengthEdit));
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.back().cycle, Cycle::Display);
        EXPECT_EQ(heard.back().number, err::Overflow);
    }
    EXPECT_EQ(failed.size(), 2);
    EXPECT_EQ(binder->form().takeFailures().size(), 2u);  // kept for a later look too

    sample.setLength(1);
    EXPECT_EQ(lengthEdit->text(), "1000.0");
    EXPECT_FALSE(marked(lengthEdit));
}

TEST_F(WidgetBinderTest, AWidgetDestroyedFirstTakesItsBindingsAlong) {
    bindLength();
    auto* unitEdit = new QLineEdit(&window);
    binder->bind(unitEdit, source, "unit");
    EXPECT_EQ(unitEdit->text(), "mm");
    delete lengthEdit;
    ASSERT_EQ(binder->form().bindings().size(), 1u);
    EXPECT_EQ(binder->form().bindings()[0]->name(), "widget");  // an unnamed widget's binding
    sample.setLength(7);                                        // nothing is left to show it
    sample.setUnit("in");
    EXPECT_EQ(unitEdit->text(), "in");
    EXPECT_TRUE(heard.empty());
}

// A redisplay of the text shown leaves the edit and its cursor alone; a text the user changed
// without confirming it is shown over; text beyond ASCII arrives whole.
TEST_F(WidgetBinderTest, ARedisplayTouchesTheEditOnlyWhenItsTextDiffers) {
    auto* unitEdit = new QLineEdit(&window);
    Binding& unit = binder->bind(unitEdit, source, "unit");
    sample.setUnit("\u00b5m \u00c5");
    EXPECT_EQ(unitEdit->text(), QString::fromUtf8("\u00b5m \u00c5"));
    unitEdit->setCursorPosition(1);
    binder->form().display(unit);
    EXPECT_EQ(unitEdit->cursorPosition(), 1);
    unitEdit->setText("typed");
    binder->form().display(unit);
    EXPECT_EQ(unitEdit->text(), QString::fromUtf8("\u00b5m \u00c5"));
    EXPECT_TRUE(heard.empty());
}

TEST_F(WidgetBinderTest, ABinderDestroyedFirstLetsItsWidgetsGo) {
    Ref<Form> form(&binder->form());
    bindLength();
    binder.reset();
    EXPECT_TRUE(form->bindings().empty());
    type(*lengthEdit, "3000");  // no longer stored
    EXPECT_EQ(sample.length(), 2.5);
    sample.setLength(4);
    EXPECT_EQ(lengthEdit->text(), "3000");
}

TEST_F(WidgetBinderTest, AnEditableComboBoxStaysEditableAndStoresWhatTheUserTypes) {
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->addItems({"mm", "in"});
    binder->bind(combo, source, "unit");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentText(), "mm");

    combo->lineEdit()->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "furlong");
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(sample.unit(), "furlong");
    EXPECT_EQ(combo->currentText(), "furlong");

    combo->setCurrentIndex(1);
    Q_EMIT combo->activated(1);  // the user's choice from the list
    EXPECT_EQ(sample.unit(), "in");
    sample.setUnit("ft");  // a text no item has shows as the edit text
    EXPECT_EQ(combo->currentText(), "ft");
}

TEST_F(WidgetBinderTest, AutoExclusiveRadioButtonsKeepWorkingAndCanAllShowOff) {
    auto* mm = new QRadioButton("mm", &window);
    auto* inch = new QRadioButton("in", &window);
    inch->move(0, mm->sizeHint().height());
    mm->show();  // made after the window was shown
    inch->show();
    Ref<GluPart_OptnValu> isMm = makeRef<GluPart_OptnValu>(), isInch = makeRef<GluPart_OptnValu>();
    isMm->SetOptionValue(Variant("mm"));
    isInch->SetOptionValue(Variant("in"));
    binder->bind(mm, source, "unit", {isMm});
    binder->bind(inch, source, "unit", {isInch});
    EXPECT_TRUE(mm->isChecked());

    QTest::mouseClick(inch, Qt::LeftButton);
    EXPECT_EQ(sample.unit(), "in");
    EXPECT_TRUE(inch->isChecked());
    EXPECT_FALSE(mm->isChecked());
    EXPECT_TRUE(mm->autoExclusive() && inch->autoExclusive());

    sample.setUnit("cm");  // neither button's value
    EXPECT_FALSE(mm->isChecked());
    EXPECT_FALSE(inch->isChecked());
    EXPECT_TRUE(inch->autoExclusive());
}

TEST_F(WidgetBinderTest, AFormLoadedFromADesignerFileBindsByObjectName) {
    QByteArray ui = R"(<ui version="4.0"><class>Length</class>
      <widget class="QWidget" name="Length"><layout class="QVBoxLayout">
        <item><widget class="QLineEdit" name="lengthEdit"/></item>
        <item><widget class="QComboBox" name="unitCombo"><property name="editable"><bool>true</bool></property></widget></item>
      </layout></widget></ui>)";
    QBuffer file(&ui);
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_TRUE(form);
    WidgetBinder designed(form.get());
    designed.setSource(source, &sample);
    designed.bind("lengthEdit", source, "length", {scale, format});
    designed.bind("unitCombo", source, "unit");
    EXPECT_EQ(form->findChild<QLineEdit*>("lengthEdit")->text(), "2500.0");
    EXPECT_EQ(form->findChild<QComboBox*>("unitCombo")->currentText(), "mm");
    EXPECT_THROW(designed.bind("noSuchWidget", source, "length"), AutomationError);
}

TEST_F(WidgetBinderTest, BindingNamesStayUniqueAndWidgetsOfNoKnownClassAreRefused) {
    auto* second = new QLineEdit(&window);
    second->setObjectName("lengthEdit");  // a name Qt allows twice
    EXPECT_EQ(bindLength().name(), "lengthEdit");
    EXPECT_EQ(binder->bind(second, source, "length").name(), "lengthEdit.length");
    EXPECT_EQ(binder->bind(second, source, "length").name(), "lengthEdit.length.2");
    EXPECT_EQ(errorOf([&] { binder->bind(new QWidget(&window), source, "length"); }),
              err::CantCreateObject);
}

}  // namespace
}  // namespace tav
