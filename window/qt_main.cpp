#include "window/qt_form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The program takes no command line: Qt sees the program's name only.
    char fallbackName[] = "project1";
    char *arguments[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    int argumentCount = 1;
    QApplication application(argumentCount, arguments);
    QApplication::setApplicationName(QStringLiteral("Project1"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    Form1 window;
    window.show();
    return QApplication::exec();
}
