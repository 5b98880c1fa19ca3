// SPDX-License-Identifier: MIT
// What the logic asks of the window system beyond the controls of its models.
#pragma once

namespace vq72 {

// The main window as a whole.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // Unloads the main window; its unload handler runs and the program ends.
    virtual void closeMainWindow() = 0;
};

// The About window: loaded on demand, unloaded when it closes or the main window unloads.
class AboutWindowHost {
public:
    virtual ~AboutWindowHost() = default;
    virtual bool aboutLoaded() const = 0;
    // Loads the About window if needed and shows it without blocking; a loaded one comes forward.
    virtual void showAboutModeless() = 0;
    // Loads and shows the About window modally; returns when it has closed.
    virtual void showAboutModal() = 0;
    virtual void unloadAbout() = 0;
};

}  // namespace vq72
