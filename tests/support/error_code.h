#pragma once

#include "engine/coded_error.h"

#include <functional>

// The code of the CodedError an operation raises; 0 when it raises none.
inline int CodeOf(const std::function<void()> &operation) {
    try {
        operation();
    } catch (const CodedError &e) {
        return e.code();
    }
    return 0;
}
