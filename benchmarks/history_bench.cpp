// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history's memory after 100,000 steps of 100 cells each, against
// its budget, and the process's resident memory.
#include "core/document/EditHistory.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

} // namespace

int main() {
    constexpr int kSteps = 100'000;
    constexpr int kCells = 100;
    vantrel::EditHistory history;
    const auto start = std::chrono::steady_clock::now();
    for (int step = 0; step < kSteps; ++step) {
        history.begin(vantrel::UiString::UndoTyping, {});
        for (int cell = 0; cell < kCells; ++cell)
            history.record(cell, step % 2 ? "FF" : "00", step % 2 ? "00" : "FF");
        history.end();
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    const long resident = residentKiB();
    int kept = 0;
    for (vantrel::EditHistory copy = history; copy.takeUndo() != nullptr;)
        ++kept;
    std::printf("%d steps of %d cells in %lld ms: history %.1f MiB (budget %.1f MiB), %d steps "
                "kept, resident %.1f MiB\n",
                kSteps, kCells, static_cast<long long>(ms),
                static_cast<double>(history.memoryBytes()) / (1024 * 1024),
                static_cast<double>(vantrel::EditHistory::kDefaultBudgetBytes) / (1024 * 1024),
                kept, static_cast<double>(resident) / 1024);
    return 0;
}
