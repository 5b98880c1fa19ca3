// SPDX-License-Identifier: MIT
// A serial control that passes every call on to the real one and keeps the OSD commands that
// reached the operating system, and the bytes read, so the soak can compare them with what the
// device received.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/forwarding_serial_control.h"

namespace vq72::soak {

class RecordingSerialControl : public ForwardingSerialControl {
public:
    explicit RecordingSerialControl(SerialControl& inner) : ForwardingSerialControl(inner) {}

    std::deque<std::string> osdCommands;  // OSD commands written, in order, until taken
    unsigned long osdWritten = 0;
    unsigned long commandsWritten = 0;  // every command that reached the operating system
    unsigned long bytesRead = 0;
    std::string lastRead;  // the tail of what was read, for waiting on a notice
    // Asked after the port opened and at each write: the soak tells which device port the
    // control opened, and whether what is written now can still reach the device.
    std::function<void()> opened;
    std::function<bool()> reachesDevice;
    unsigned long commandsLost = 0;  // written where no device could read them
    unsigned long opens = 0;         // opens that succeeded
    // Told of every open, close, write and read, for the trace a failure prints.
    std::function<void(const std::string&)> trace;

    void setPortOpen(bool open) override {
        inner().setPortOpen(open);
        note(open ? (inner().portOpen() ? "opened" : "open failed") : "closed");
        if (!open || !inner().portOpen()) return;
        ++opens;
        if (opened) opened();
    }
    std::string input() override {
        std::string bytes = inner().input();
        bytesRead += bytes.size();
        lastRead += bytes;
        if (!bytes.empty()) note("read \"" + printable(bytes) + "\"");
        if (lastRead.size() > kTail) lastRead.erase(0, lastRead.size() - kTail);
        return bytes;
    }
    void output(const std::string& bytes) override {
        inner().output(bytes);
        note("wrote \"" + printable(bytes.substr(0, 3)) + "...\" (" + std::to_string(bytes.size()) +
             " bytes)");
        ++commandsWritten;
        if (reachesDevice && !reachesDevice()) ++commandsLost;
        if (bytes.rfind("CTT", 0) != 0) return;
        osdCommands.push_back(bytes);
        ++osdWritten;
    }
    void purge(PurgeScope scope) override {
        inner().purge(scope);
        note(scope == PurgeScope::Both ? "purged both ways" : "purged input");
    }

private:
    static constexpr std::size_t kTail = 200;
    void note(const std::string& event) const {
        if (trace) trace(event);
    }
    static std::string printable(const std::string& bytes) {
        std::string text;
        for (const char c : bytes) {
            text += c == '\r'   ? std::string("\\r")
                    : c == '\n' ? std::string("\\n")
                                : std::string(1, c);
        }
        return text;
    }
};

}  // namespace vq72::soak
