// The character maps of an LVGL font, which find a glyph by its code point: ranges of consecutive
// code points, and lists of scattered ones.
#include "font/coders/lvglmaps.h"

#include <algorithm>
#include <deque>

namespace {

// A map's code points are a 16-bit count from its first.
constexpr char32_t MostSpan = 65535;
// What a map costs on a 32-bit controller: its entry, and each code point it lists.
constexpr int64_t MapBytes = 24, ListedBytes = 2;
// LVGL counts a font's maps in 9 bits.
constexpr size_t MostMaps = 511;

// The maps of the fewest bytes, a map counted `mapBytes`, and of those the fewest maps. Each run of
// consecutive code points is a range of its own or is listed with the runs before it; best[k] is
// the cost of the first k runs, bytes and maps in one number, and a listing ending at run k starts
// at the run j that keeps best[j] less its listed bytes least: a queue holds the starts in reach.
std::vector<CharacterMap> cheapestMaps(const std::vector<FontGlyph>& glyphs, int64_t mapBytes) {
    std::vector<size_t> runs;  // each run's first glyph, and the end
    for (size_t i = 0; i < glyphs.size(); ++i)
        if (i == 0 || glyphs[i].code != glyphs[i - 1].code + 1) runs.push_back(i);
    runs.push_back(glyphs.size());
    const auto cost = [](int64_t bytes) { return bytes * (1 << 17) + 1; };
    const auto listedBefore = [&](size_t j) { return cost(int64_t(runs[j]) * ListedBytes) - 1; };
    std::vector<int64_t> best(runs.size(), 0);
    std::vector<size_t> from(runs.size());  // the run the last map starts at
    std::vector<char> listed(runs.size());
    const auto startCost = [&](size_t j) { return best[j] - listedBefore(j); };
    std::deque<size_t> starts;
    for (size_t k = 1; k < runs.size(); ++k) {
        while (!starts.empty() && startCost(starts.back()) >= startCost(k - 1)) starts.pop_back();
        starts.push_back(k - 1);
        while (glyphs[runs[k] - 1].code - glyphs[runs[starts.front()]].code >= MostSpan)
            starts.pop_front();
        best[k] = best[k - 1] + cost(mapBytes);
        from[k] = k - 1;
        const int64_t listing = startCost(starts.front()) + cost(mapBytes) + listedBefore(k);
        if (listing < best[k]) best[k] = listing, from[k] = starts.front(), listed[k] = true;
    }
    std::vector<CharacterMap> maps;
    for (size_t k = runs.size() - 1; k > 0; k = from[k])
        maps.push_back({runs[from[k]], runs[k] - runs[from[k]], bool(listed[k])});
    std::reverse(maps.begin(), maps.end());
    return maps;
}

}  // namespace

// Where the maps of the fewest bytes are more than LVGL counts, each map is made to cost more
// until they are few enough.
std::vector<CharacterMap> CharacterMaps(const std::vector<FontGlyph>& glyphs) {
    std::vector<CharacterMap> maps = cheapestMaps(glyphs, MapBytes);
    for (int64_t mapBytes = 2 * MapBytes; maps.size() > MostMaps; mapBytes *= 2)
        maps = cheapestMaps(glyphs, mapBytes);
    return maps;
}
