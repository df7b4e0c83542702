#pragma once

#include <QObject>

#include <functional>

// Several test classes share one executable per folder: each registers itself here, and the common
// main runs them one after the other in one isolated process.
class TestRegistry
{
public:
    using Factory = std::function<QObject *()>;

    // needsApplication: the class drives the program's own Application (window, translations).
    static int add(Factory factory, bool needsApplication);
    static int runAll(int argc, char *argv[]);
};

#define OVINEX_TEST_REGISTER(TestObject, needsApplication)                                               \
    static const int registered##TestObject = TestRegistry::add([]() -> QObject * { return new TestObject; }, \
                                                                needsApplication);

// Registers a test class with the folder's executable; it runs under a QApplication.
#define OVINEX_TEST_MAIN(TestObject) OVINEX_TEST_REGISTER(TestObject, false)
// Registers a test class that needs the program's Application object.
#define OVINEX_APPLICATION_TEST(TestObject) OVINEX_TEST_REGISTER(TestObject, true)
