// SPDX-License-Identifier: MIT
// Opens documents, web addresses and "mailto:" targets with the desktop's associated program
// (QDesktopServices), answering with the shell's numbers: 42 opened, 2 no such file, 31 no
// program for it (also when the desktop names none for a file's type).
#pragma once

#include "platform/shell.h"

namespace vq72 {

class QtShell : public Shell {
public:
    long open(const std::string& target) override;
};

}  // namespace vq72
