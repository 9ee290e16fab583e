#pragma once

#include <set>
#include <string>

class MenuCatalogue;

// The objects of every descriptor table of the catalogue as a profile for the device simulator:
// scalars with a plausible value per syntax, tables with a few rows, row-status columns with the
// create and destroy values their entries use, enumerations as the values a write may carry.
// Objects and table entries named in `defined` are left to the profile that defines them.
std::string SimProfileFromCatalogue(const MenuCatalogue &catalogue, const std::set<std::string> &defined);
