#include "windows/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tilora.Tilora"));
    frmMain window;
    window.show();
    return app.exec();
}
