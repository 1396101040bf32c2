#include "strategy/dice_sets.h"

#include <algorithm>

namespace yacht::strategy {
namespace {

int codeOf(const FaceCounts& c)
{
    int code = 0;
    for (int f = 6; f >= 1; --f) code = code * 6 + c[f];
    return code;
}

// Appends every face-count set of n dice, faces from `face` up, in a fixed order.
void listSets(int n, int face, FaceCounts& c, std::vector<FaceCounts>& out)
{
    if (face == 6) {
        c[6] = static_cast<uint8_t>(n);
        out.push_back(c);
        c[6] = 0;
        return;
    }
    for (int k = n; k >= 0; --k) {
        c[face] = static_cast<uint8_t>(k);
        listSets(n - k, face + 1, c, out);
    }
    c[face] = 0;
}

// Multinomial count of the orders in which five dice can show these counts, over 6^5.
double chanceOf(const FaceCounts& c)
{
    static constexpr int kFactorial[] = {1, 1, 2, 6, 24, 120};
    int ways = kFactorial[5];
    for (int f = 1; f <= 6; ++f) ways /= kFactorial[c[f]];
    return ways / 7776.0;
}

DiceSets build()
{
    DiceSets d;
    std::vector<FaceCounts> all;
    for (int n = 5; n >= 0; --n) {
        FaceCounts c{};
        listSets(n, 1, c, all);
    }
    d.byCode.fill(-1);
    for (int i = 0; i < DiceSets::kKeeps; ++i) {
        d.counts[i] = all[i];
        int n = 0;
        for (int f = 1; f <= 6; ++f) n += all[i][f];
        d.size[i] = static_cast<uint8_t>(n);
        d.byCode[codeOf(all[i])] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < DiceSets::kKeeps; ++i) {
        for (int f = 1; f <= 6; ++f) {
            FaceCounts c = d.counts[i];
            ++c[f];
            d.withFace[i][f - 1] = static_cast<int16_t>(d.size[i] < 5 ? d.indexOf(c) : -1);
        }
    }
    for (int k = 0; k < DiceSets::kKeeps; ++k) {
        d.smallerStart[k] = static_cast<int>(d.smaller.size());
        for (int f = 1; f <= 6; ++f) {
            if (d.counts[k][f] == 0) continue;
            FaceCounts c = d.counts[k];
            --c[f];
            d.smaller.push_back(static_cast<int16_t>(d.indexOf(c)));
        }
    }
    d.smallerStart[DiceSets::kKeeps] = static_cast<int>(d.smaller.size());
    for (int t = 0; t < DiceSets::kThrows; ++t) {
        const FaceCounts& c = d.counts[t];
        d.subKeepStart[t] = static_cast<int>(d.subKeeps.size());
        FaceCounts k{};
        // Every sub-multiset: each face kept 0..count times.
        for (k[1] = 0; k[1] <= c[1]; ++k[1])
            for (k[2] = 0; k[2] <= c[2]; ++k[2])
                for (k[3] = 0; k[3] <= c[3]; ++k[3])
                    for (k[4] = 0; k[4] <= c[4]; ++k[4])
                        for (k[5] = 0; k[5] <= c[5]; ++k[5])
                            for (k[6] = 0; k[6] <= c[6]; ++k[6])
                                d.subKeeps.push_back(static_cast<int16_t>(d.indexOf(k)));
        d.probability[t] = chanceOf(c);
        std::array<int, kDiceThrown> faces{};
        int at = 0;
        for (int f = 1; f <= 6; ++f)
            for (int n = 0; n < c[f]; ++n) faces[at++] = f;
        d.prices[t] = priceDice(faces);
        d.yacht[t] = d.prices[t][category::Yacht] == kYachtScore;
    }
    d.subKeepStart[DiceSets::kThrows] = static_cast<int>(d.subKeeps.size());
    return d;
}

}  // namespace

int DiceSets::indexOf(const FaceCounts& c) const
{
    for (int f = 1; f <= 6; ++f)
        if (c[f] > 5) return -1;
    return byCode[codeOf(c)];
}

int DiceSets::throwOf(const std::array<int, kDiceThrown>& faces) const
{
    FaceCounts c{};
    for (int face : faces) ++c[std::clamp(face, 1, 6)];
    return indexOf(c);
}

const DiceSets& diceSets()
{
    static const DiceSets sets = build();
    return sets;
}

}  // namespace yacht::strategy
