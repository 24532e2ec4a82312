// SPDX-License-Identifier: GPL-3.0-or-later
// What comparing two seem files costs: 1000 pairs (every sample, against a copy
// with a few bytes changed), each opened through the document as the diff
// command opens them, then the comparison alone on the opened cells.

#include "core/compare/SeemComparison.h"
#include "core/document/SeemDocument.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPairs = 1000;
constexpr double kTargetMs = 1.0;

struct Pair {
    std::string first;
    std::string second;
};

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<Pair> makePairs(const fs::path& folder) {
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(std::string(VANTREL_DATA_DIR) + "/samples"))
        samples.push_back(entry.path());
    std::mt19937 random(16);
    std::vector<Pair> pairs;
    for (int i = 0; i < kPairs; ++i) {
        const fs::path& sample = samples[static_cast<std::size_t>(i) % samples.size()];
        std::vector<std::uint8_t> bytes = readAll(sample);
        for (int edit = 0; edit < 3; ++edit)
            bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        const fs::path second = folder / (std::to_string(i) + ".seem");
        writeAll(second, bytes);
        pairs.push_back({sample.string(), second.string()});
    }
    return pairs;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main() {
    using namespace vantrel;
    const fs::path folder = fs::temp_directory_path() / "vantrel-diff-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::vector<Pair> pairs = makePairs(folder);

    SeemDocument document;
    if (!document.loadDefinitions(std::string(VANTREL_DATA_DIR) + "/seem_en.xml").ok) {
        std::fprintf(stderr, "the definitions could not be loaded\n");
        return 1;
    }
    const UiStrings strings;
    std::vector<ByteGrid> firstGrids(pairs.size());
    std::vector<ByteGrid> secondGrids(pairs.size());
    std::vector<XmlElement> types(pairs.size());
    std::vector<std::string> typeNames(pairs.size());
    std::size_t differences = 0;

    const Clock::time_point start = Clock::now();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        document.open(pairs[i].first);
        types[i] = document.type();
        typeNames[i] = document.typeName();
        firstGrids[i].load(document.savedBytes());
        document.open(pairs[i].second);
        secondGrids[i].load(document.savedBytes());
        differences +=
            compareSeemFiles({types[i], typeNames[i], firstGrids[i]},
                             {document.type(), document.typeName(), secondGrids[i]}, strings)
                .differences.size();
    }
    const double wholeMs = millisecondsSince(start);

    const Clock::time_point compareStart = Clock::now();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        differences += compareSeemFiles({types[i], typeNames[i], firstGrids[i]},
                                        {types[i], typeNames[i], secondGrids[i]}, strings)
                           .differences.size();
    }
    const double compareMs = millisecondsSince(compareStart);
    fs::remove_all(folder);

    const double perPair = wholeMs / kPairs;
    std::printf("diff over %d pairs: %.1f ms, %.3f ms a pair (both files opened, compared)\n",
                kPairs, wholeMs, perPair);
    std::printf("comparison alone: %.3f ms a pair\n", compareMs / kPairs);
    std::printf("differences found (twice over): %zu\n", differences);
    std::printf("target: under %.1f ms a pair: %s\n", kTargetMs,
                perPair < kTargetMs ? "met" : "MISSED");
    return 0;
}
