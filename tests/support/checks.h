#pragma once

// Checks whose failures say what a seller would see differ, and a way for a
// helper's failed check to end the test that called it.
#include <QString>
#include <QTest>

namespace checks {

// Nothing when the two are equal; otherwise the first piece that differs in
// each, whole and readable, with the piece before it for context.
QString firstDifference(const QString &actual, const QString &expected);

}  // namespace checks

// Compares two listings (or any HTML) piece by piece and fails naming the
// first piece that differs.
#define COMPARE_LISTING(actual, expected)                                                \
    do {                                                                                 \
        const QString listingDifference = checks::firstDifference((actual), (expected)); \
        if (!listingDifference.isEmpty())                                                \
            QFAIL(qPrintable(listingDifference));                                        \
    } while (false)

// Runs a helper that checks as it goes; a failed check in it ends the test.
#define CHECKED(call)                   \
    do {                                \
        call;                           \
        if (QTest::currentTestFailed()) \
            return;                     \
    } while (false)
