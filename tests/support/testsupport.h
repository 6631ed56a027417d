// Helpers shared by the tests.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/dialogs.h"

// Records every message box and beep while it lives, and answers each box with `answer`
// (or the next of `answers`, when given).
class MessageBoxRecorder {
public:
    struct Box {
        std::string text, caption;
        int flags;
    };
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswers(std::vector<int> answers) { answers_ = std::move(answers); }
    const std::vector<Box>& Boxes() const { return boxes_; }
    int Beeps() const { return beeps_; }
    void Clear() { boxes_.clear(); beeps_ = 0; }

private:
    std::vector<Box> boxes_;
    std::vector<int> answers_;
    int answer_;
    int beeps_ = 0;
    MessageBoxHandler oldBox_;
    BeepHandler oldBeep_;
};

// A fresh empty directory under the build tree's scratch folder; removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& contents) const;

private:
    std::string path_;
};

// Runs the Qt event loop until `done` is true or `ms` milliseconds have passed; returns done().
// The default bound is long: it only decides how soon a failing test gives up, and a loaded
// machine may take seconds for what takes milliseconds alone.
template <class F>
bool WaitFor(F done, int ms = 20000);

// Hundredths of a second: a time-out for requests in tests that are not about time-outs, long
// enough that no request is sent again on a loaded machine.
constexpr int kPatientTimeout = 2000;

#include "tests/support/testsupport_impl.h"
