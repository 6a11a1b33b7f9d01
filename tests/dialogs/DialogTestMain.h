#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// The main of a dialog test: offscreen, and with the home, configuration and cache folders
// moved into a temporary folder, so that nothing Qt remembers (the file dialog's last
// folder, for one) reaches the real user's files.
#define ZENTILE_DIALOG_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char** argv) {                                                              \
        QTemporaryDir home;                                                                        \
        if (!home.isValid()) return 2;                                                             \
        for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", \
                                     "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})                         \
            qputenv(variable, home.path().toLocal8Bit());                                          \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
