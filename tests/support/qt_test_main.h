// The main() of the Qt window tests: QTEST_MAIN's, with Klotix's
// accessible interfaces installed before any window, as the program
// installs them.
#pragma once

#include <QApplication>
#include <QtTest>

#include "ui/accessible_factory.h"

#define KLOTIX_QTEST_MAIN(TestObject)           \
  int main(int argc, char* argv[]) {            \
    QApplication app(argc, argv);               \
    app.setAttribute(Qt::AA_Use96Dpi, true);    \
    klotix::installAccessibleFactory();         \
    TestObject tc;                              \
    QTEST_SET_MAIN_SOURCE_PATH                  \
    return QTest::qExec(&tc, argc, argv);       \
  }
