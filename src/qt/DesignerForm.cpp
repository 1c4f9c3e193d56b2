#include "qt/DesignerForm.h"

#include <QFile>
#include <QUiLoader>

#include "host/forms/FormRunner.h"
#include "host/forms/FormText.h"
#include "qt/QtStrings.h"
#include "qt/QtText.h"
#include "qt/WidgetKinds.h"

namespace tav {

DesignerForm::DesignerForm(const std::string& uiPath, QWidget& parent) {
    QFile file(QString::fromStdString(uiPath));
    if (!file.open(QIODevice::ReadOnly))
        throw FormLoadError(std::string(QtText::CannotReadUi) + uiPath);
    QUiLoader loader;
    top_ = loader.load(&file, &parent);
    if (!top_)
        throw FormLoadError(std::string(QtText::CannotLoadUi) + uiPath + ": " +
                            loader.errorString().toStdString());
}

QWidget& DesignerForm::widgetFor(const FormFile::Line& control) const {
    const std::string& name = control.words[0];
    QWidget* w = top_->objectName() == qtext(name) ? top_ : top_->findChild<QWidget*>(qtext(name));
    if (!w) throw FormLoadError(std::string(QtText::NoSuchWidget) + name);
    const std::string_view kind = widgetkinds::kindOf(*w);
    if (kind.empty())
        throw FormLoadError(std::string(QtText::UnknownWidgetClass) + w->metaObject()->className() +
                            ": " + name);
    if (control.words.size() > 1 && control.words[1] != kind)
        throw FormLoadError(name + std::string(QtText::KindIsNot) + std::string(kind) +
                            std::string(QtText::KindButNot) + control.words[1]);
    return *w;
}

}  // namespace tav
