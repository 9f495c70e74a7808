#pragma once

#include <map>
#include <string>
#include <vector>

namespace kv::test {

struct ProcessResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs program with args in workDir (when not empty), its output captured.
// The environment is the test's own, without KESTRIVANE_HOME and proxy
// settings, plus extraEnv.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir = "",
                         const std::map<std::string, std::string>& extraEnv = {});

}  // namespace kv::test
