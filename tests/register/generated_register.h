#pragma once
// A register of generated assets, the same for the same count: every kind of property, dates
// from 1997 to 2026, business use, section 179, allowance elections, disposals and depreciation
// carried in. Every row is valid. For the tests and the benchmark.

#include <cstdint>
#include <cstdio>
#include <string>

namespace orvane::reg::testing {

inline void WriteGeneratedRegister(std::FILE* out, long long count) {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&](std::uint64_t n) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state % n;
    };
    std::fputs(
        "id,description,placed_in_service,cost,property,recovery,business_use,listed,"
        "section_179,allowance,disposed,proceeds,prior_depreciation,prior_through\n",
        out);
    static const char* const kKinds[] = {
        "personal",       "personal", "personal", "personal", "personal", "personal", "residential",
        "nonresidential", "qip",      "auto",     "truck",    "suv",      "land"};
    static const int kLives[] = {3, 5, 7, 7, 10, 15, 20, 25};
    for (long long i = 0; i < count; ++i) {
        const std::string kind = kKinds[next(13)];
        const int year = 1997 + static_cast<int>(next(30));
        const int placed_year = kind == "qip" && year < 2018 ? 2018 + year % 8 : year;
        const int month = 1 + static_cast<int>(next(12));
        const long long cost = 500 + static_cast<long long>(next(200000));
        const int cents = static_cast<int>(next(100));
        std::string recovery = kind == "personal" ? std::to_string(kLives[next(8)]) : "";
        const bool vehicle = kind == "auto" || kind == "truck" || kind == "suv";
        const int use = vehicle && next(4) == 0 ? 30 + static_cast<int>(next(70)) : 100;
        const bool real = kind == "residential" || kind == "nonresidential" || kind == "land";
        std::string s179;
        if (!real && use > 50 && placed_year >= 2018 && next(5) == 0)
            s179 = std::to_string(cost / 4);
        const char* allowance = next(3) == 0 ? "none" : "";
        std::string disposed, proceeds;
        if (next(6) == 0) {
            const int later = static_cast<int>(next(8));
            disposed = std::to_string(placed_year + later) +
                       (later == 0 ? "-12-28" : "-0" + std::to_string(1 + next(9)) + "-15");
            proceeds = std::to_string(next(static_cast<std::uint64_t>(cost)));
        }
        std::string prior, through;
        if (placed_year < 2020 && next(4) == 0) {
            through = std::to_string(placed_year + 1);
            prior = std::to_string(cost * use / 100 / 3);
        }
        std::fprintf(
            out, "A%lld,\"Asset %lld, %s\",%d-%02d-%02d,%lld.%02d,%s,%s,%d,,%s,%s,%s,%s,%s,%s\n", i,
            i, kind.c_str(), placed_year, month, 1 + static_cast<int>(next(28)), cost, cents,
            kind.c_str(), recovery.c_str(), use, s179.c_str(), allowance, disposed.c_str(),
            proceeds.c_str(), prior.c_str(), through.c_str());
    }
}

}  // namespace orvane::reg::testing
