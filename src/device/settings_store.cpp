// SPDX-License-Identifier: MIT
#include "device/settings_store.h"

#include "device/failing_unit.h"
#include "device/program_identity.h"

namespace vq72 {

std::string SettingsStore::buildPath(const std::string& title, const std::string& section,
                                     const std::string& name) {
    std::string path = kSettingsRoot;
    if (!title.empty()) path += title + "\\";
    if (!section.empty()) path += section + "\\";
    return path + name;
}

std::string SettingsStore::GetRegSetting(const std::string& title, const std::string& section,
                                         const std::string& name, const std::string& defaultValue) {
    return RegReadValue(buildPath(title, section, name), defaultValue);
}

bool SettingsStore::SaveRegSetting(const std::string& title, const std::string& section,
                                   const std::string& name, const std::string& value) {
    return RegWriteValue(buildPath(title, section, name), value);
}

std::string SettingsStore::location(const std::string& title, const std::string& section,
                                    const std::string& name) {
    std::string where;
    ignoringFailure([&] { where = backing_.location(buildPath(title, section, name)); });
    return where;
}

std::string SettingsStore::RegReadValue(const std::string& path, const std::string& defaultValue) {
    std::string result;
    if (!ignoringFailure([&] { result = backing_.read(path); })) {
        result = defaultValue;
        RegWriteValue(path, defaultValue);
    }
    return result;
}

bool SettingsStore::RegWriteValue(const std::string& path, const std::string& value) {
    return ignoringFailure([&] { backing_.write(path, value); });
}

}  // namespace vq72
