// SPDX-License-Identifier: MIT
// Preloaded into a program under test (LD_PRELOAD), and so into its children: no pseudo-terminal
// can be opened, as on a system without /dev/ptmx.
#include <pty.h>

#include <cerrno>

extern "C" int openpty(int*, int*, char*, const termios*, const winsize*) {
    errno = ENOENT;
    return -1;
}
