// MainWindow: actions, menus and keyboard commands.
#include "app/mainwindow.h"

void MainWindow::createActions() {}

void MainWindow::createMenus() {}

void MainWindow::enableAllShortcuts() {}

void MainWindow::checkSongLoopLength() {}
