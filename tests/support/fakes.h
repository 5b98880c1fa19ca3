// SPDX-License-Identifier: MIT
// Fakes of the platform interfaces for the logic's tests. Each records what the logic did,
// and any call can be made to fail with a chosen number.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/app_services.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/serial_control.h"
#include "platform/settings_backing.h"
#include "platform/shell.h"
#include "platform/window_system.h"

namespace vq72::test {

// Makes named calls fail: fail("setPortOpen(true)", 8002) throws Failure(8002) on each such call;
// with `once`, on the next such call only.
class FailureTable {
public:
    void fail(const std::string& call, long number, const std::string& text = "simulated failure",
              bool once = false) {
        planned_.insert_or_assign(call, std::pair{Failure(number, text), once});
    }
    void check(const std::string& call) const {
        const auto it = planned_.find(call);
        if (it == planned_.end()) return;
        const auto [failure, once] = it->second;
        if (once) planned_.erase(it);
        throw failure;
    }

private:
    mutable std::map<std::string, std::pair<Failure, bool>> planned_;  // the failure, once
};

class FakeSerialControl : public SerialControl {
public:
    // Ports that open; any other port number fails with 8002, ports still `connecting` (network
    // ports) with kPortOpening, and a scan over them waits.
    std::set<int> present;
    std::set<int> connecting;
    FailureTable failures;
    std::vector<std::string> calls;    // every operation, e.g. "setPortOpen(true)"
    std::vector<std::string> written;  // each Output, as given
    std::string received;              // bytes waiting to be read
    std::function<void()> onOutput;    // runs inside each Output, to look at the window meanwhile
    int event = 0;

    void setCommPort(int port) override { port_ = recorded("setCommPort", port); }
    int commPort() const override { return port_; }
    void setSettings(const std::string& s) override { record("setSettings(" + s + ")"); }
    void setHandshaking(int mode) override { recorded("setHandshaking", mode); }
    void setDTREnable(bool on) override { dtr_ = recorded("setDTREnable", on); }
    bool dtrEnable() const override { return dtr_; }
    void setRTSEnable(bool on) override { rts_ = recorded("setRTSEnable", on); }
    bool rtsEnable() const override { return rts_; }
    void setInputLen(int n) override { inputLen = recorded("setInputLen", n); }
    void setOutBufferSize(int n) override { recorded("setOutBufferSize", n); }
    void setRThreshold(int n) override { threshold = recorded("setRThreshold", n); }

    void setPortOpen(bool open) override {
        recorded("setPortOpen", open);
        if (!open) {
            open_ = false;
            return;
        }
        if (open_) throw Failure(failure_number::kPortInUse, "Port already open");
        if (connecting.count(port_)) throw Failure(failure_number::kPortOpening, "Connecting");
        if (!present.count(port_))
            throw Failure(failure_number::kNoSuchPort, "Invalid Port Number");
        open_ = true;
        received.clear();  // an open starts with an empty receive queue
        ++opens;
    }
    bool portOpen() const override { return open_; }

    int inBufferCount() const override {
        failures.check("inBufferCount");
        return static_cast<int>(received.size());
    }
    std::string input() override {
        record("input");
        std::string out = received.substr(0, static_cast<std::size_t>(inputLen));
        received.erase(0, out.size());
        return out;
    }
    void output(const std::string& bytes) override {
        if (onOutput) onOutput();
        record("output");
        written.push_back(bytes);
    }
    int commEvent() const override {
        failures.check("commEvent");
        return event;
    }
    void setEventHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void purge(PurgeScope scope) override {
        record(scope == PurgeScope::Both ? "purge(both)" : "purge(receive)");
        received.clear();
    }
    std::string devicePath(int port) const override { return "/dev/fake" + std::to_string(port); }
    bool beginPortScan(const std::vector<int>& ports) override {
        return std::none_of(ports.begin(), ports.end(), [&](int p) { return connecting.count(p); });
    }

    // Raises an event as the control would.
    void raise(int code) {
        event = code;
        if (handler_) handler_();
    }
    // Bytes arrive from the device; raises the receive event when the threshold is reached.
    void arrive(const std::string& bytes) {
        received += bytes;
        if (open_ && static_cast<int>(received.size()) >= threshold) raise(comm_event::kReceive);
    }
    int count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

    int inputLen = 2500;
    int threshold = 11;
    int opens = 0;

private:
    void record(const std::string& call) {
        calls.push_back(call);
        failures.check(call);
    }
    // Records "name(value)" and returns the value.
    template <typename T>
    T recorded(const std::string& name, T value) {
        if constexpr (std::is_same_v<T, bool>) {
            record(name + (value ? "(true)" : "(false)"));
        } else {
            record(name + "(" + std::to_string(value) + ")");
        }
        return value;
    }
    int port_ = 0;
    bool open_ = false;
    bool dtr_ = false;
    bool rts_ = false;
    std::function<void()> handler_;
};

class FakeSettingsBacking : public SettingsBacking {
public:
    std::map<std::string, std::string> values;
    bool writeFails = false;
    std::vector<std::string> writes;  // "path=value", in order

    std::string read(const std::string& path) override {
        auto it = values.find(path);
        if (it == values.end())
            throw Failure(failure_number::kSettingsKeyNotFound, "Unable to open registry key");
        return it->second;
    }
    void write(const std::string& path, const std::string& value) override {
        if (writeFails) throw Failure(failure_number::kSettingsAccessDenied, "Access denied");
        writes.push_back(path + "=" + value);
        values[path] = value;
    }
    std::vector<std::pair<std::string, std::string>> entries(
        const std::string& sectionPath) override {
        std::vector<std::pair<std::string, std::string>> found;
        const std::string prefix = sectionPath + "\\";
        for (const auto& [path, value] : values) {
            if (path.rfind(prefix, 0) == 0) found.emplace_back(path.substr(prefix.size()), value);
        }
        return found;
    }
    std::string location(const std::string& /*path*/) override { return kLocation; }
    static constexpr const char* kLocation = "/home/user/.config/Flarn/VQ72_OSD.ini";
};

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    long result = failure_number::kShellOpened;
    std::string absent;  // a target answered "no such file"
    long open(const std::string& target) override {
        opened.push_back(target);
        return target == absent ? failure_number::kShellFileNotFound : result;
    }
};

class FakeAppServices : public AppServices {
public:
    std::string folder = "/usr/lib/vq72-osd";  // as installed
    bool otherInstance = false;
    WindowLookup otherWindow = WindowLookup::None;
    // "activate(X)", "postClose(X)", "messageBox(X)", "beep", "doEvents"
    std::vector<std::string> events;
    std::function<void()> onDoEvents;

    std::string commandLine() const override { return {}; }
    std::string programFolder() const override { return folder; }
    char pathSeparator() const override { return '/'; }
    bool previousInstance() override { return otherInstance; }
    void activate(const std::string& title) override {
        events.push_back("activate(" + title + ")");
        if (otherWindow == WindowLookup::None)
            throw Failure(failure_number::kInstanceNoAnswer, "Invalid procedure call or argument");
    }
    WindowLookup findWindow(const std::string&) override { return otherWindow; }
    void postClose(const std::string& title) override {
        events.push_back("postClose(" + title + ")");
    }
    void messageBox(const std::string& text) override {
        events.push_back("messageBox(" + text + ")");
    }
    void beep() override { events.push_back("beep"); }
    void doEvents() override {
        events.push_back("doEvents");
        if (onDoEvents) onDoEvents();
    }
};

class FakeWindowSystem : public MainWindowHost, public AboutWindowHost {
public:
    bool aboutIsLoaded = false;
    std::vector<std::string> events;
    std::function<void()> duringModal;

    void closeMainWindow() override { events.push_back("closeMainWindow"); }
    bool aboutLoaded() const override { return aboutIsLoaded; }
    void showAboutModeless() override {
        events.push_back("showAboutModeless");
        aboutIsLoaded = true;
    }
    void showAboutModal() override {
        events.push_back("showAboutModal");
        aboutIsLoaded = true;
        if (duringModal) duringModal();
    }
    void unloadAbout() override {
        events.push_back("unloadAbout");
        aboutIsLoaded = false;
    }
};

}  // namespace vq72::test
