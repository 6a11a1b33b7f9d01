#include "ui/CSudokuApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zentile::CSudokuApp zentile;
    if (!zentile.InitInstance()) return 1;
    return QApplication::exec();
}
