// The menu commands that are not about the port, the document opener and the unload that
// ends the program: DTR and RTS dropped and the port closed when it is open.
#pragma once

#include <string>

#include "platform/app_services.h"
#include "platform/serial_control.h"
#include "platform/shell.h"
#include "platform/window_system.h"
#include "window/main_window_model.h"
#include "window/report.h"

namespace vq72 {

class Shutdown {
public:
    static constexpr const char* kManualTitle = "Manual";

    Shutdown(MainWindowModel& window, ReportRoutine& report, SerialControl& serial, Shell& shell,
             AppServices& app, MainWindowHost& mainWindow, AboutWindowHost& about)
        : w_(window),
          report_(report),
          serial_(serial),
          shell_(shell),
          app_(app),
          mainWindow_(mainWindow),
          about_(about) {}

    void mnuExit_Click();
    void Form_Unload();
    void mnuManual_Click();
    void mnuAbout_Click();
    // Opens a document with its associated program: above 32 is success, 0 when the request failed.
    long StartDoc(const std::string& DocName);

    std::string manualPath() const;

private:
    MainWindowModel& w_;
    ReportRoutine& report_;
    SerialControl& serial_;
    Shell& shell_;
    AppServices& app_;
    MainWindowHost& mainWindow_;
    AboutWindowHost& about_;
};

}  // namespace vq72
