#include "platform/os/process.h"

#include <QProcess>
#include <QStringList>
#include <sys/stat.h>

bool StartProgram(const std::string& program, const std::vector<std::string>& args, std::string* error)
{
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (program.empty()) return fail("no program named");
    QStringList list;
    for (const std::string& a : args) list << QString::fromLocal8Bit(a.c_str(), static_cast<qsizetype>(a.size()));
    QProcess process;
    process.setProgram(QString::fromLocal8Bit(program.c_str(), static_cast<qsizetype>(program.size())));
    process.setArguments(list);
    // Detached: the started program outlives this one and leaves no child to collect.
    if (!process.startDetached()) return fail(program + ": " + process.errorString().toStdString());
    return true;
}

bool OpenDocument(const std::string& path, std::string* error)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error) *error = path + ": no such file";
        return false;
    }
    return StartProgram("xdg-open", {path}, error);
}
