// SPDX-License-Identifier: MIT
// The settings store: string values under
// "HKEY_LOCAL_MACHINE\SOFTWARE\Flarn\<title>\<section>\<name>". A value that cannot be read yields
// its default, which is written back; failures are ignored.
#pragma once

#include <string>

#include "platform/settings_backing.h"

namespace vq72 {

class SettingsStore {
public:
    explicit SettingsStore(SettingsBacking& backing) : backing_(backing) {}

    static std::string buildPath(const std::string& title, const std::string& section,
                                 const std::string& name);

    std::string GetRegSetting(const std::string& title, const std::string& section,
                              const std::string& name, const std::string& defaultValue);
    // Returns whether the value was written; a failure is otherwise ignored.
    bool SaveRegSetting(const std::string& title, const std::string& section,
                        const std::string& name, const std::string& value);
    // Where the value is kept, to name it in a message.
    std::string location(const std::string& title, const std::string& section,
                         const std::string& name);
    std::string RegReadValue(const std::string& path, const std::string& defaultValue);
    bool RegWriteValue(const std::string& path, const std::string& value);

private:
    SettingsBacking& backing_;
};

}  // namespace vq72
