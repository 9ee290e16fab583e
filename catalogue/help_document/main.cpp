// Writes the module's help document, an HTML guide generated from its menu catalogue.
#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/help_document.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::cerr << "usage: qsw7400-help-document OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << HelpDocument(MenuCatalogue::Instance());
    return out ? 0 : 1;
}
