#include <QApplication>

#include "LengthWindow.h"
#include "Sample.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Sample sample;
    LengthWindow window(sample);
    window.show();
    return app.exec();
}
