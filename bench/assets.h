#pragma once
// A reproducible mix of assets for the batch benchmark: MACRS table classes, real property,
// straight line, ADS mid quarter and a class with the 50% allowance.

#include <cstdint>
#include <cstdio>
#include <string>

namespace orvane::bench {

struct Asset {
    int kind;  // 0 MACRS table, 1 MACRS real property, 2 straight line, 3 ADS mid quarter, 4 class
    std::string life;
    long cost;
    int month;
    int year;
};

// The n-th asset of the mix.
inline Asset MakeAsset(std::uint64_t n) {
    std::uint64_t x = n * 6364136223846793005ULL + 1442695040888963407ULL;
    auto pick = [&](std::uint64_t range) {
        x ^= x >> 29;
        x *= 0xbf58476d1ce4e5b9ULL;
        x ^= x >> 32;
        return static_cast<long>(x % range);
    };
    static const char* kTable[] = {"3", "5", "7", "10", "15", "20"};
    static const char* kReal[] = {"27.5", "31.5", "39"};
    static const char* kAds[] = {"5", "6", "9", "10", "12"};
    Asset a{static_cast<int>(n % 5), "", 1000 + pick(499000), 1 + static_cast<int>(pick(12)),
            2000 + static_cast<int>(pick(25))};
    switch (a.kind) {
        case 0:
            a.life = kTable[pick(6)];
            break;
        case 1:
            a.life = kReal[pick(3)];
            break;
        case 2:
            a.life = std::to_string(1 + pick(40));
            break;
        case 3:
            a.life = kAds[pick(5)];
            break;
        default:
            a.life = "7";
            break;
    }
    return a;
}

// How a batch line is typed: plainly, with an oddity that leaves the same asset but needs the
// window (the cost typed with a thousands comma, which the box refuses key by key), or wrongly.
enum class Typing { Plain, Odd, Bad };

// The asset as one line of orvane-cli --batch.
inline std::string BatchLine(const Asset& a, Typing typing = Typing::Plain) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d%04d", a.month, a.year);
    std::string cost = std::to_string(a.cost);
    if (typing == Typing::Odd) cost.insert(cost.size() - 3, ",");
    // Bad lines: a month that fails the checks, or an option that does not exist.
    if (typing == Typing::Bad) {
        if (a.cost % 2)
            return "--method MACRS --life 7 --cost " + cost + " --in-service 13" + (date + 2);
        return "--method MACRS --bogus " + cost;
    }
    switch (a.kind) {
        case 0:
        case 1:
            return "--method MACRS --life " + a.life + " --cost " + cost + " --in-service " + date;
        case 2:
            return "--method 'Straight Line' --type-life " + a.life + " --cost " + cost +
                   " --in-service " + date;
        case 3:
            return "--method ADS --life " + a.life + " --convention mid-quarter --cost " + cost +
                   " --in-service " + date;
        default:
            return "--method MACRS --class 'Desks (7)' --allowance 50 --cost " + cost +
                   " --in-service " + date;
    }
}

}  // namespace orvane::bench
