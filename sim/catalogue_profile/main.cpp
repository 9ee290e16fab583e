// Writes the simulator profile of the module's menu catalogue: every object of its descriptor tables
// that the given profiles do not define already.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/sim_profile.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::cerr << "usage: qsw7400-catalogue-profile OUTPUT [PROFILE...]\n";
        return 2;
    }
    std::set<std::string> defined;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i]);
        if (!in) {
            std::cerr << argv[i] << ": cannot open\n";
            return 1;
        }
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string directive, oid;
            words >> directive >> oid;
            if (directive == "object" || directive == "table") defined.insert(oid);
        }
    }
    std::ofstream out(argv[1]);
    out << SimProfileFromCatalogue(MenuCatalogue::Instance(), defined);
    return out ? 0 : 1;
}
