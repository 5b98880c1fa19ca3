// VQ72_OSD: loads one line of on-screen-display text into a VQ72xx video device.
#include <cstring>
#include <iostream>

#include "vq72/version.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << vq72::version::kProgramName << ' ' << vq72::version::kText << '\n';
            return 0;
        }
    }
    return 0;
}
