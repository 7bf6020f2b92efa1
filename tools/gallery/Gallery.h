#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vaultlet::gallery {

// The dialog gallery shows one dialog of the program at a time with sample data, for screenshots
// (scripts/screenshots). Each dialog registers itself under a name with a function that runs it
// modally; the gallery closes it again when the picture is taken.
//
//     const gallery::Registration kLogin("login", [](gallery::Scene& scene) { ... dialog.RunModal(nullptr); });
//
// Scene::Later runs a step once the scene's first window is up (to open the keyboard, say).
//
// Every scene has a private folder and settings file, and the English language pack.
class Scene {
public:
    Scene();
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // A path inside the scene's folder, and a sample database created there.
    std::string File(const std::string& name) const;
    std::string MakeDatabase(const std::string& fileName, const std::string& name) const;
    // Runs step with the scene's first visible window, from the message loop of the dialog shown.
    void Later(std::function<void(HWND)> step);

private:
    std::string m_folder;
};

using Show = std::function<void(Scene&)>;
// What the layout check asks of a scene beyond what it asks of every scene (LayoutCheck.h), given each
// of the scene's windows: one line per fault, none when right.
using Expect = std::function<std::vector<std::string>(HWND)>;

struct Entry {
    Show show;
    // How many top-level windows the scene shows at once (a dialog with the virtual keyboard: 2);
    // the picture covers all of them.
    int windows = 1;
    Expect expect;
};

class Registration {
public:
    Registration(const char* name, Show show, int windows = 1, Expect expect = nullptr);
};

const std::map<std::string, Entry>& Entries();

} // namespace vaultlet::gallery
