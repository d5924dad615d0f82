#pragma once

#include "application.h"
#include "test_main.h"

#include <QApplication>

// main() for a test of the window: the application set up as the program sets it up.
#define TARVELLO_WINDOW_TEST_MAIN(TestObject)                                                      \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);                                         \
        tarvello::prepareApplication(app);                                                         \
        TestObject test;                                                                           \
        return tarvello::test::runEachFunction(test, argc, argv);                                  \
    }
