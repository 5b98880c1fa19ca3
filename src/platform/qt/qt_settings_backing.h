// SPDX-License-Identifier: MIT
// The settings store's backing over QSettings:
// "HKEY_LOCAL_MACHINE\SOFTWARE\Flarn\<app>\<section>\<name>" is the INI file of organisation
// "Flarn" and application <app> (plus a suffix, for the demo's own store), group <section>, key
// <name>. On Linux: $XDG_CONFIG_HOME/Flarn/<app>.ini.
#pragma once

#include <string>

#include "platform/settings_backing.h"

namespace vq72 {

class QtSettingsBacking : public SettingsBacking {
public:
    explicit QtSettingsBacking(std::string applicationSuffix = {})
        : suffix_(std::move(applicationSuffix)) {}

    std::string read(const std::string& path) override;
    void write(const std::string& path, const std::string& value) override;
    std::vector<std::pair<std::string, std::string>> entries(
        const std::string& sectionPath) override;
    std::string location(const std::string& path) override;

private:
    std::string suffix_;
};

}  // namespace vq72
