// One of our tools run as a process, as a player's script runs it: its exit
// status and what it wrote. Its data and configuration folders are the
// test's scratch folder, so that it leaves the user's files alone, and it
// runs without XDG_RUNTIME_DIR, as under cron or in a container.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/scratch_folder.h"

namespace quintara::testing {

struct ToolRun {
    int status = -1;  // -1: the tool did not exit
    std::string out;
    std::string err;
};

// The text in single quotes, for the shell.
inline std::string shellWord(std::string_view text) {
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

// Runs the program with the arguments and nothing on standard input; its
// output goes through files "out" and "err" of the folder.
inline ToolRun runTool(const std::string& program, const std::vector<std::string>& arguments,
                       const ScratchFolder& folder) {
    const std::string home = shellWord(folder.path().string());
    std::string command = "env -u XDG_RUNTIME_DIR XDG_DATA_HOME=";
    command.append(home).append(" XDG_CONFIG_HOME=").append(home).append(" ").append(shellWord(program));
    for (const std::string& argument : arguments) command.append(" ").append(shellWord(argument));
    command.append(" </dev/null >").append(shellWord(folder.file("out")));
    command.append(" 2>").append(shellWord(folder.file("err")));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileBytes(folder.file("out")),
            fileBytes(folder.file("err"))};
}

}  // namespace quintara::testing
