#pragma once

#include <functional>
#include <map>
#include <string>

namespace vaultlet::gallery {

// The dialog gallery shows one dialog of the program at a time with sample data, for screenshots
// (scripts/screenshots). Each dialog registers itself under a name with a function that runs it
// modally; the gallery closes it again when the picture is taken.
//
//     const gallery::Registration kLogin("login", [](gallery::Scene& scene) { ... dialog.RunModal(nullptr); });
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

private:
    std::string m_folder;
};

using Show = std::function<void(Scene&)>;

class Registration {
public:
    Registration(const char* name, Show show);
};

const std::map<std::string, Show>& Entries();

} // namespace vaultlet::gallery
