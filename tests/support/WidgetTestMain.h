#pragma once

#include "app/ApplicationSetup.h"

#include <QApplication>
#include <QTest>

// A widget test's main: the application set up exactly as the program sets itself up.
#define SOMNIVO_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        ApplicationSetup::apply();                                                                 \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
