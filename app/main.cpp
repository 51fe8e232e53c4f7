// Pindora: browse the avatar pictures of the forum. Takes no arguments.

#include <QApplication>

#include "app/startup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);  // the form runtime's toolkit
    QApplication::setApplicationName(QStringLiteral("Pindora"));
    QApplication::setDesktopFileName(QStringLiteral("pindora"));
    return pindora::runPindora();
}
