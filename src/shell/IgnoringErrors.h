#pragma once

namespace fortunix {

// Runs one step of a handler whose errors are to be ignored: a step that fails is skipped
// and the handler goes on with the next one.
template <typename Step>
void IgnoringErrors(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace fortunix
