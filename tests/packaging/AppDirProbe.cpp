// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the program folder that an executable in the given folder would use, so the install
// test can check it against a real installed tree.

#include "core/files/AppDir.h"

#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " EXECUTABLE-FOLDER\n";
        return 2;
    }
    std::cout << vantrel::locateAppDir(argv[1]).string() << '\n';
    return 0;
}
