#pragma once

#include <QtGlobal>

// The sanitizer run keeps the browser engine out: its own library reports
// errors of its own under AddressSanitizer. Tests skip the steps that would
// start it when RUMITA_NO_BROWSER_ENGINE is set (scripts/sanitize.sh sets it).
inline bool browserEngineKeptOut() { return qEnvironmentVariableIsSet("RUMITA_NO_BROWSER_ENGINE"); }

#define SKIP_WITHOUT_BROWSER_ENGINE()                            \
    do {                                                         \
        if (browserEngineKeptOut())                              \
            QSKIP("the browser engine is kept out of this run"); \
    } while (false)
