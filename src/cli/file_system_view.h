// SPDX-License-Identifier: MIT
// The few questions the port listing asks of the file system, behind an interface so that the
// listing can be tested against a made-up machine.
#pragma once

#include <string>
#include <vector>

#include "platform/port_lock.h"

namespace vq72::cli {

class FileSystemView {
public:
    enum class Node { Missing, CharacterDevice, OtherFile, NotAllowed };

    virtual ~FileSystemView() = default;

    // What `path` is, links followed; NotAllowed when a folder on the way may not be searched.
    virtual Node node(const std::string& path) const = 0;
    // Whether we may read and write `path`.
    virtual bool readWritable(const std::string& path) const = 0;
    // 0 when `path` opens (and is closed again at once) without waiting or becoming the
    // controlling terminal and is a terminal; otherwise the system's error number (ENOTTY for a
    // device that is no terminal, such as /dev/null).
    virtual int openError(const std::string& path) const = 0;
    // What sits at the lock paths of the port at `path`.
    virtual PortLock portLock(const std::string& path) const = 0;
    // The entry names of a folder (none when it cannot be listed).
    virtual std::vector<std::string> list(const std::string& folder) const = 0;
    // `path` with every symbolic link resolved; `path` itself when that fails.
    virtual std::string resolve(const std::string& path) const = 0;
};

}  // namespace vq72::cli
