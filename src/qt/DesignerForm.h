#pragma once
#include <QWidget>
#include <string>

#include "host/forms/FormFile.h"

namespace tav {

// The Designer form (.ui) a form file names: loaded with QUiLoader into a parent widget, it
// gives each control line the widget of that objectName, whose class decides the control's
// kind. A file that cannot be read, a widget name the form does not have, and a kind on the
// line that is not the widget's throw FormLoadError.
class DesignerForm {
  public:
    DesignerForm(const std::string& uiPath, QWidget& parent);
    DesignerForm(const DesignerForm&) = delete;
    DesignerForm& operator=(const DesignerForm&) = delete;

    QWidget& widget() const { return *top_; }
    QWidget& widgetFor(const FormFile::Line& control) const;

  private:
    QWidget* top_;  // the parent owns it
};

}  // namespace tav
