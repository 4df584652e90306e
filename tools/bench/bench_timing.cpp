// Timing and number formatting shared by the benchmark's sections.
#include <algorithm>  // Required for: std::sort()
#include <chrono>     // Required for: std::chrono::steady_clock
#include <cstdio>     // Required for: std::snprintf()

#include "bench.h"

double NowSeconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

double MedianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> durations;
    durations.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        const double start = NowSeconds();
        work();
        durations.push_back(NowSeconds() - start);
    }
    return Median(durations);
}

std::string FormatSeconds(double seconds) {
    char text[32];
    if (seconds >= 1.0) {
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    } else if (seconds >= 0.01) {
        std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    } else if (seconds >= 0.001) {
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    }
    return text;
}

std::string FormatRatio(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

std::string FormatPercent(double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", fraction * 100.0);
    return text;
}

std::string Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

double ParseFigure(const std::string& text) {
    char unit[16] = "";
    double number = 0.0;
    if (std::sscanf(text.c_str(), "%lf %15s", &number, unit) < 1) return -1.0;
    const std::string u = unit;
    if (u == "ms") return number * 1e-3;
    if (u == "us") return number * 1e-6;
    if (u == "%") return number * 1e-2;
    return number;  // seconds, or a plain ratio
}
