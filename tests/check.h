#pragma once

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A small test runner for the Windows and browser suites, which have no Qt
// Test: each case runs on its own, a failed check is printed with its place,
// and the run ends with the "N passed, N failed" line ctest reads.
namespace check {

struct Case {
    const char *name;
    std::function<void()> body;
};

inline int &Failures() {
    static int failures = 0;
    return failures;
}

inline bool Check(bool ok, const char *what, const char *file, int line,
                  const std::string &detail = {}) {
    if (!ok) {
        ++Failures();
        std::printf("FAIL: %s (%s:%d) %s\n", what, file, line, detail.c_str());
    }
    return ok;
}

inline int Run(const std::vector<Case> &cases) {
    int passed = 0, failed = 0;
    for (const Case &c : cases) {
        const int before = Failures();
        const auto start = std::chrono::steady_clock::now();
        try {
            c.body();
        } catch (const std::exception &error) {
            Check(false, "no exception", __FILE__, __LINE__, error.what());
        }
        const bool ok = Failures() == before;
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        std::printf("%s: %s (%lld ms)\n", ok ? "PASS" : "FAIL", c.name,
                    static_cast<long long>(took.count()));
        (ok ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

} // namespace check

#define CHECK(condition) check::Check((condition), #condition, __FILE__, __LINE__)
#define CHECK_TEXT(actual, expected)                                                               \
    check::Check((actual) == (expected), #actual " == " #expected, __FILE__, __LINE__,             \
                 "got \"" + Narrow(actual) + "\", want \"" + Narrow(expected) + "\"")
