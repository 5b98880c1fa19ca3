// What the logic asks of the window system beyond the controls of its models: closing the
// main window (which runs its unload) and showing or unloading the About window.
#pragma once

namespace vq72 {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Unloads the main window; its unload handler runs and the program ends.
    virtual void closeMainWindow() = 0;

    virtual bool aboutLoaded() const = 0;
    // Loads the About window if needed and shows it without blocking; a loaded one comes forward.
    virtual void showAboutModeless() = 0;
    // Loads and shows the About window modally; returns when it has closed.
    virtual void showAboutModal() = 0;
    virtual void unloadAbout() = 0;
};

}  // namespace vq72
