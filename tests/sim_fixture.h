// A small harness for kernel tests: writes design-data files for test units
// into a fresh directory, registers the units and runs the kernel in-process.
#ifndef TOVU_TESTS_SIM_FIXTURE_H
#define TOVU_TESTS_SIM_FIXTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tovu/layout.h"
#include "tovu/testing.h"
#include "tovu/zem.h"

namespace tovu_test {

namespace fs = std::filesystem;

class SimFixture : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tovu_test_XXXXXX";
        dir_ = mkdtemp(tmpl);
        fs::create_directories(dir_ + "/kest/precompiled.exe.sim/std");
        fs::copy_file(std::string(TOVU_SOURCE_DIR) + "/kest/precompiled.exe.sim/std/standard.didat",
                      dir_ + "/kest/precompiled.exe.sim/std/standard.didat");
        tovu::testing::reset();
    }
    void TearDown() override {
        tovu::testing::reset();
        fs::remove_all(dir_);
    }

    // Copies the built design data of every unit (the kest folder beside the
    // programs) into the test directory, so that test units can use the
    // real packages and design units.
    void copy_built_design_data() {
        fs::copy(std::string(TOVU_KEST_DIR) + "/kest", dir_ + "/kest",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    // Writes a file under the test directory. A design-data file (.didat)
    // gets the closing "end" statement every design-data file ends with,
    // unless its text already ends with it.
    void write(const std::string &rel, const std::string &text) {
        const bool didat = rel.size() > 6 && rel.compare(rel.size() - 6, 6, ".didat") == 0;
        if (!didat || ends_with_end(text)) return write_exact(rel, text);
        write_exact(rel, text + (text.empty() || text.back() == '\n' ? "end\n" : "\nend\n"));
    }

    // Writes a file under the test directory exactly as given.
    void write_exact(const std::string &rel, const std::string &text) {
        fs::create_directories(fs::path(dir_ + "/" + rel).parent_path());
        std::ofstream(dir_ + "/" + rel, std::ios::binary) << text;
    }

    // Whether the last line that is not blank is "end".
    static bool ends_with_end(const std::string &text) {
        const size_t last = text.find_last_not_of(" \t\r\n");
        if (last == std::string::npos) return false;
        const size_t start = text.find_last_of('\n', last);
        const size_t from = start == std::string::npos ? 0 : start + 1;
        return text.compare(from, last + 1 - from, "end") == 0;
    }

    // zem_init_design with --didat-dir and the extra options, the given
    // registrations, the top unit, the run. Returns the run's status.
    int run(const std::string &top, const std::vector<std::string> &options,
            const std::function<void()> &registrations) {
        start(options);
        registrations();
        zem_register_tops(top.c_str());
        return zem_run_simulation(static_cast<int>(argv_.size()), argv_.data());
    }

    void start(const std::vector<std::string> &options) {
        args_ = {"test", "--didat-dir=" + dir_};
        if (quiet_) args_.push_back("--quiet");
        for (const auto &o : options) args_.push_back(o);
        argv_.clear();
        for (auto &a : args_) argv_.push_back(a.data());
        argv_.push_back(nullptr);
        argv_.pop_back();
        zem_init_design(static_cast<int>(argv_.size()), argv_.data());
    }

    // Captures what the code under test writes to stderr.
    void capture_stderr() { ::testing::internal::CaptureStderr(); }
    std::string captured_stderr() { return ::testing::internal::GetCapturedStderr(); }

    std::string read(const std::string &rel) {
        std::ifstream f(dir_ + "/" + rel);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }

    std::string dir_;
    bool quiet_ = true;  // runs print no summary line
    std::vector<std::string> args_;
    std::vector<char *> argv_;
};

}  // namespace tovu_test

#endif
