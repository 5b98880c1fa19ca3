// A settings backing that passes every call on to the real one and records each write.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/settings_backing.h"

namespace vq72::test {

class RecordingSettingsBacking : public SettingsBacking {
public:
    explicit RecordingSettingsBacking(SettingsBacking& real) : real_(real) {}

    std::vector<std::string> writes;  // "path=value", in order

    int writesTo(const std::string& path) const {
        return static_cast<int>(std::count_if(
            writes.begin(), writes.end(),
            [&](const std::string& w) { return w.compare(0, path.size() + 1, path + "=") == 0; }));
    }

    std::string read(const std::string& path) override { return real_.read(path); }
    std::vector<std::pair<std::string, std::string>> entries(
        const std::string& sectionPath) override {
        return real_.entries(sectionPath);
    }
    std::string location(const std::string& path) override { return real_.location(path); }
    void write(const std::string& path, const std::string& value) override {
        real_.write(path, value);
        writes.push_back(path + "=" + value);
    }

private:
    SettingsBacking& real_;
};

}  // namespace vq72::test
