#pragma once

#include <QMainWindow>
#include <functional>

namespace start_up_tests {

// Runs the step inside the event loop of the program that the test starts next. The program
// makes its QApplication itself, so the step waits in a routine that Qt calls on creating one,
// and runs once that application's event loop turns.
void whenTheProgramRuns(std::function<void()> step);

// The program's main window once it is on screen and drawn, or none.
QMainWindow* drawnMainWindow();

}  // namespace start_up_tests
