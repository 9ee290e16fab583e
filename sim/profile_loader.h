#pragma once
// Reads profile files into the model; a later file overlays what earlier ones defined.
#include "mib_model.h"

#include <stdexcept>
#include <string>

// "FILE:LINE: problem" for the first malformed line.
class ProfileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void loadProfile(const std::string& path, MibModel& model);
