// A text that should be a number and is not. Its message is the run-time
// library's, e.g. "'12a' is not a valid integer value".
#pragma once

#include <stdexcept>

namespace tv {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tv
