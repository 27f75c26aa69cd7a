#pragma once

// Qt Test's QTRY_ macros report a timeout to Qt Test's own log and return, which GoogleTest never
// sees: a test that waited in vain would pass. Every widget test gets these instead (the build
// includes this header first), so a wait that times out fails the test.

#include <QTest>

#include <gtest/gtest.h>

#undef QTRY_VERIFY
#undef QTRY_VERIFY_WITH_TIMEOUT
#undef QTRY_COMPARE
#undef QTRY_COMPARE_WITH_TIMEOUT

#define QTRY_VERIFY_WITH_TIMEOUT(expr, timeout)                                                              \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(expr); }, timeout)) << "waited for " #expr
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, 5000)
#define QTRY_COMPARE_WITH_TIMEOUT(actual, expected, timeout)                                                 \
    do {                                                                                                     \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, timeout));                 \
        ASSERT_TRUE((actual) == (expected)) << "waited for " #actual " == " #expected;                       \
    } while (false)
#define QTRY_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)
