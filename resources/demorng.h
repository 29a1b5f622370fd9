#pragma once
// A small deterministic random generator (splitmix64). The demo data must be
// the same on every machine and every standard library, so no <random>
// distributions are used anywhere in the generator.

#include <cstdint>
#include <QString>
#include <QStringList>

class DemoRng
{
public:
    explicit DemoRng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0)
    int below(int n) { return int(next() % std::uint64_t(n)); }
    // lo .. hi inclusive
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    // true with a chance of `percent` in 100
    bool chance(int percent) { return below(100) < percent; }
    // 0.0 .. 1.0
    double unit() { return double(next() >> 11) / double(1ull << 53); }
    const QString &pick(const QStringList &list) { return list.at(below(int(list.size()))); }

private:
    std::uint64_t m_state;
};
