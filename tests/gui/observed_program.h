// The real Program with the view's calls recorded, and the keys given to the filter,
// so that view tests can check what reaches the handlers.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"

namespace vq72::test {

class ObservedProgram : public Program {
public:
    using Program::Program;

    std::vector<std::string> calls;  // "Form_Unload", "mnuCOMsel_Click(3)" ...
    std::vector<int> keys;           // codes given to the key filter

    int count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls) n += (c == call);
        return n;
    }

    void Form_Unload() override {
        calls.push_back("Form_Unload");
        Program::Form_Unload();
    }
    void Text_input_KeyPress(int& keyAscii) override {
        keys.push_back(keyAscii);
        Program::Text_input_KeyPress(keyAscii);
    }
    std::string Text_input_Insert(const std::string& text) override {
        calls.push_back("Text_input_Insert(" + text + ")");
        return Program::Text_input_Insert(text);
    }
    void mnuCOM_Click() override {
        calls.push_back("mnuCOM_Click");
        Program::mnuCOM_Click();
    }
    void mnuCOMsel_Click(int index) override {
        calls.push_back("mnuCOMsel_Click(" + std::to_string(index) + ")");
        Program::mnuCOMsel_Click(index);
    }
};

}  // namespace vq72::test
