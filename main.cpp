#include "support/dialogboxes.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Samefold"));
    QApplication::setApplicationDisplayName(QStringLiteral("Samefold"));
    InstallDialogBoxes();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Samefold"));
    window.resize(621, 402);
    window.show();
    return QApplication::exec();
}
