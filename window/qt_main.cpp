#include "window/qt_form1.h"

#include <QApplication>

namespace {

// No Wayland protocol lets an ordinary window keep itself above the others, so under a Wayland
// session that also offers an X display the program goes through X11, unless the user chose.
void preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    preferX11();

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
