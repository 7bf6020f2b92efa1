#pragma once

#include "tests/e2e/ProgramCopy.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vaultlet::e2e {

// A private copy of the program whose settings the test reads and writes through the settings store,
// with the texts of the language the program shows (the English pack).
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A database in a folder of the test (not one the program searches).
    std::string MakeDatabase(const std::string& fileName, const std::string& name,
                             const std::string& password = "secret", int cipherId = 1);
    std::string OtherFile(const std::string& name) const { return m_other.File(name); }
    static std::string Text(int id);

    // Waits for a message box of the process, returns its text and presses its first button.
    static std::string AnswerMessageBox(const RunningProgram& program, int button = IDOK);
    static void LogIn(HWND login, const std::string& password);
    // Starts the program, logs in with the password and returns its main window (null on failure).
    HWND StartAndLogIn(std::unique_ptr<RunningProgram>& program, const std::string& password = "secret");

    ProgramCopy m_copy;

private:
    test::TempDir m_other;
    std::string m_previousLocation;
};

} // namespace vaultlet::e2e
