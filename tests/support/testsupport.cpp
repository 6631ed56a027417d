#include "tests/support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

MessageBoxRecorder::MessageBoxRecorder(int answer) : answer_(answer)
{
    oldBox_ = SetMessageBoxHandler([this](const AnsiString& text, const AnsiString& caption, int flags) {
        boxes_.push_back(Box{text.std(), caption.std(), flags});
        if (!answers_.empty()) {
            int a = answers_.front();
            answers_.erase(answers_.begin());
            return a;
        }
        return answer_;
    });
    oldBeep_ = SetBeepHandler([this](unsigned, unsigned) { ++beeps_; });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(std::move(oldBox_));
    SetBeepHandler(std::move(oldBeep_));
}

TempDir::TempDir()
{
    namespace fs = std::filesystem;
    fs::path base = fs::path(VRX_BUILD_DIR) / "scratch";
    fs::create_directories(base);
    std::random_device rd;
    for (;;) {
        fs::path p = base / ("t" + std::to_string(getpid()) + "_" + std::to_string(rd()));
        if (fs::create_directory(p)) {
            path_ = p.string();
            break;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream f(File(name), std::ios::binary);
    f << contents;
}
