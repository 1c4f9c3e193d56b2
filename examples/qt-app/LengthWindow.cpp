#include "LengthWindow.h"

#include "Sample.h"
#include "glues/GluPart_Formating.h"
#include "glues/GluPart_ScaleProp.h"
#include "sources/SrcPart_AxCls.h"
#include "ui_LengthWindow.h"

LengthWindow::LengthWindow(Sample& sample, QWidget* parent)
    : QWidget(parent), ui_(new Ui::LengthWindow) {
    ui_->setupUi(this);

    // The sample is the source object; its change signals show program changes by themselves.
    auto source = tav::makeRef<tav::SrcPart_AxCls>();
    binder_.setSource(source, &sample);

    // Metres on the sample, millimetres with one decimal on the form.
    auto millimetres = tav::makeRef<tav::GluPart_ScaleProp>();
    millimetres->SetScaleByCoef(1000);
    auto oneDecimal = tav::makeRef<tav::GluPart_Formating>();
    oneDecimal->SetFormatString("0.0");
    binder_.bind(ui_->lengthEdit, source, "length", {millimetres, oneDecimal});
    binder_.bind(ui_->materialCombo, source, "material");

    // The binder marks a widget whose entry or display failed; the window also says why.
    connect(&binder_, &tav::WidgetBinder::failed, this,
            [this](QWidget*, const tav::CycleFailure& failure) {
                ui_->status->setText(QString::fromStdString(failure.description));
            });
}

LengthWindow::~LengthWindow() = default;
