// A form in a window of Qt widgets, driven with QTest as a user drives it.
#include "qt/FormWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <iterator>

#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"

namespace tav {
namespace {

constexpr std::string_view kForm = R"form(
object sample Host.AutoObject
    class Sample
    enum Shades gf_Light_Grey=0 gf_Dark_Grey=1 gf_Black=2
    property Length R8 R8:2.5
    property Unit Str Str:"mm"
    property Shade Shades I4:1
    property Applied Bool Bool:False
object counter Host.NotifyingObject
    class Counter
    property Count I4 I4:0

part src SCTAVParts.SrcPart_iDisp
part counterSrc SCTAVParts.SrcPart_AxCls
    AxClsTypeName = Str:"Counter"
part mm SCTAVParts.GluPart_ScaleProp
    ScaleByCoef = R8:1000
part isMm SCTAVParts.GluPart_OptnValu
    OptionValue = Str:"mm"
part isInch SCTAVParts.GluPart_OptnValu
    OptionValue = Str:"in"
part shades SCTAVParts.GluDrct_TypeListIntoVbCombo
    RemoveEnumPrefix = Str:"gf_"
    ReplaceUnderscores = Str:" "
part apply SCTAVParts.GluPart_FireOrvaneCmd
    CommandName = Str:"Apply"

control lengthText TextBox Str:"Length (mm)"
control mmOption OptionButton Str:"mm" Str:"Unit"
control inchOption OptionButton Str:"in" Str:"Unit"
control shadeCombo ComboBox
control applyButton Button
control countText Label
command Apply ok

source src sample
source counterSrc counter
bind length src Length lengthText mm
bind unitMm src Unit mmOption isMm
bind unitInch src Unit inchOption isInch
bind shade src Shade shadeCombo shades
bind applied src Applied applyButton apply
bind count counterSrc Count countText
edit lengthText Str:"3000"
change counter.Count I4:5
)form";

class QtForm : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <class W>
    W& widget(const char* name) {
        W* w = window.findChild<W*>(name);
        if (!w) throw std::runtime_error(name);
        return *w;
    }
    std::string sample(std::string_view property) {
        return literal::print(
            invoke(*window.runner().named("sample"), property, InvokeKind::PropertyGet));
    }
    void enter(QLineEdit& edit, const char* text) {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }

    FormWindow window{FormFile::parse(kForm, "test.form")};
};

TEST_F(QtForm, TextIsStoredOnReturnOrLeavingAndAFailureIsMarkedOnTheControl) {
    QLineEdit& edit = widget<QLineEdit>("lengthText");
    WidgetControl& control = *window.control("lengthText");
    EXPECT_EQ(edit.text(), "2500");

    enter(edit, "3000");
    EXPECT_EQ(sample("Length"), "R8:2.5");  // not on every key
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(sample("Length"), "R8:3");

    enter(edit, "abc");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(sample("Length"), "R8:3");
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_TRUE(control.marked());
    EXPECT_EQ(edit.toolTip(), "Invalid value, a numeric value is required.");
    EXPECT_EQ(window.status(),
              "Last failure: length storage failed (Err:13): Invalid value, a numeric value is "
              "required.");

    // Leaving the edit stores too, and a storage that goes through takes the mark away.
    enter(edit, "42");
    widget<QComboBox>("shadeCombo").setFocus();
    EXPECT_EQ(sample("Length"), "R8:0.042");
    EXPECT_FALSE(control.marked());
    EXPECT_EQ(edit.toolTip(), "");
}

TEST_F(QtForm, OptionButtonsStoreTheirValueAndFollowTheSource) {
    QRadioButton& mm = widget<QRadioButton>("mmOption");
    QRadioButton& inch = widget<QRadioButton>("inchOption");
    EXPECT_EQ(mm.text(), "mm");
    EXPECT_TRUE(mm.isChecked());
    EXPECT_FALSE(inch.isChecked());
    for (int click = 0; click < 2; ++click) {  // choosing the chosen button keeps it chosen
        QTest::mouseClick(&inch, Qt::LeftButton);
        EXPECT_EQ(sample("Unit"), "Str:\"in\"");
        EXPECT_FALSE(mm.isChecked());
        EXPECT_TRUE(inch.isChecked());
    }
}

TEST_F(QtForm, ChoosingAComboItemStoresTheEnumerationValue) {
    QComboBox& combo = widget<QComboBox>("shadeCombo");
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(0), "Light Grey");
    EXPECT_EQ(combo.currentText(), "Dark Grey");
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(sample("Shade"), "I4:2");
    EXPECT_EQ(combo.currentText(), "Black");
}

TEST_F(QtForm, ProgramChangesOfANotifyingObjectAreShown) {
    QLabel& count = widget<QLabel>("countText");
    EXPECT_EQ(count.text(), "0");
    Variant seven[] = {Variant::I4(7)};
    invoke(*window.runner().named("counter"), "Count", InvokeKind::PropertyLet, seven);
    EXPECT_EQ(count.text(), "7");
}

TEST_F(QtForm, ACommandButtonFiresItsHostCommand) {
    QPushButton& button = widget<QPushButton>("applyButton");
    EXPECT_EQ(button.text(), "applied");  // the binding's name when the file gives no label
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(window.form().CommandRuns("Apply"), 1);
    EXPECT_EQ(sample("Applied"), "Bool:True");
}

TEST_F(QtForm, ReplayAppliesTheStepsOneAfterTheOther) {
    QPushButton& replay = window.replayButton();
    QTest::mouseClick(&replay, Qt::LeftButton);
    EXPECT_FALSE(replay.isEnabled());
    EXPECT_EQ(sample("Length"), "R8:3");  // the first step at once, the next later
    EXPECT_EQ(widget<QLabel>("countText").text(), "0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return replay.isEnabled(); }, 5000));
    EXPECT_EQ(widget<QLabel>("countText").text(), "5");
}

TEST_F(QtForm, ControlsAnswerByNameAsTheirTablesSay) {
    const struct {
        const char* control;
        const char* member;
        Variant value;  // Empty: read only
        const char* read;
    } cases[] = {
        {"lengthText", "Value", Variant("12"), "Str:\"12\""},
        {"mmOption", "Value", Variant::Bool(false), "Bool:False"},
        {"applyButton", "Value", Variant::Bool(true), "Bool:True"},
        {"countText", "Value", Variant(), "Str:\"0\""},
        {"shadeCombo", "ListIndex", Variant::I4(0), "I2:0"},
        {"shadeCombo", "Text", Variant(), "Str:\"Light Grey\""},
        {"shadeCombo", "ListCount", Variant(), "I2:3"},
    };
    for (const auto& c : cases) {
        Object& control = *window.runner().named(c.control);
        Variant value[] = {c.value};
        if (!c.value.isEmpty()) invoke(control, c.member, InvokeKind::PropertyLet, value);
        EXPECT_EQ(literal::print(invoke(control, c.member, InvokeKind::PropertyGet)), c.read) << c.control;
    }
}

TEST_F(QtForm, AStepThatFailsIsReportedOnTheStatusLine) {
    window.apply(FormFile::parseEdit("sample.NoSuchProperty=I4:1"));
    EXPECT_EQ(window.status().toStdString(),
              "Last failure: change sample.NoSuchProperty I4:1 failed (Err:438): Object doesn't support "
              "this property or method");
}

TEST(QtFormFile, AnUnknownKindOfControlIsRefused) {
    EXPECT_ANY_THROW(FormWindow(FormFile::parse("control dial Dial\n", "dial.form")));
}

// A form file naming a Designer form: its widgets, found by objectName, are the controls.
TEST(DesignerFormFile, ControlsAreTheDesignerFormsWidgetsAsDesigned) {
    const std::string path = std::string(TAV_EXAMPLES) + "/forms/designer.form";
    std::ifstream in(path);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    FormWindow window(FormFile::parse(text, path));
    auto& length = *window.findChild<QLineEdit*>("lengthText");
    auto& material = *window.findChild<QComboBox*>("materialCombo");
    auto& mm = *window.findChild<QRadioButton*>("mmOption");
    EXPECT_EQ(length.text(), "2500");
    EXPECT_EQ(window.findChild<QLabel*>("countText")->text(), "Count: 0");
    EXPECT_TRUE(material.isEditable());
    EXPECT_TRUE(mm.isChecked() && mm.autoExclusive());

    window.apply(FormFile::parseEdit("materialCombo=Str:\"Granite\""));
    window.apply(FormFile::parseEdit("inchOption=Bool:True"));
    const Ref<Object> sample = window.runner().named("sample");
    EXPECT_EQ(literal::print(invoke(*sample, "Material", InvokeKind::PropertyGet)), "Str:\"Granite\"");
    EXPECT_EQ(literal::print(invoke(*sample, "Unit", InvokeKind::PropertyGet)), "Str:\"in\"");
    EXPECT_FALSE(mm.isChecked());
}

TEST(DesignerFormFile, WidgetsTheFormDoesNotHaveAsNamedAreRefused) {
    const std::string where = std::string(TAV_EXAMPLES) + "/forms/bad.form";
    const struct {
        const char* form;
        const char* message;
    } cases[] = {
        {"ui Str:\"designer.ui\"\ncontrol lengthText ComboBox\n", "lengthText is a TextBox, not a ComboBox"},
        {"ui Str:\"designer.ui\"\ncontrol gone\n", "No widget of that name in the form: gone"},
        {"ui Str:\"designer.ui\"\ncontrol unitBox\n", "No control for a widget of class QGroupBox: unitBox"},
        {"ui Str:\"missing.ui\"\n", "cannot read the Designer form"},
        {"ui Str:\"designer.ui\"\nui Str:\"designer.ui\"\n", "a form has one Designer form"},
        {"control lengthText\n", "a control without KIND takes it from its widget"},
    };
    for (const auto& c : cases) {
        try {
            FormWindow window(FormFile::parse(c.form, where));
            ADD_FAILURE() << c.form;
        } catch (const FormLoadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace tav
