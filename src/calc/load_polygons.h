#pragma once
// Load polygons: a key names a body ("W" wall, "T" toe slab, "K" heel slab, "TS"
// front soil, "KS" back soil) and a purpose ("A" stability, "M" moment section,
// "S" shear section; "FA", "FM", "FS" the submerged part). The key chooses a list
// of wall points; area and centroid follow by the coordinate method (座標法).
#include <array>
#include <string_view>
#include <vector>

#include "calc/calculation_object.h"

namespace marvoten {

// A closed polygon of n edges: n + 1 vertices, the last repeating the first.
struct PolygonBuffer {
    static constexpr int capacity = 15;
    int n = 0;
    std::array<double, capacity> x{};
    std::array<double, capacity> y{};
    friend bool operator==(const PolygonBuffer&, const PolygonBuffer&) = default;
};

// 0 no water; 1 within the base thickness; 2 within the sloped top of the toe
// slab; 3 up on the stem.
int waterState(const TTeisu& t);

// The 51 polygon types: closed lists of point indexes, listed clockwise.
inline constexpr int polygonTypeCount = 51;
const std::vector<int>& polygonTypeVertices(int type);

// The type the key stands for with the current water level and sections; 0 (the
// empty polygon) for a key that does not apply or is unknown.
int polygonType(const TTeisu& t, std::string_view key);

struct AreaCentroid {
    double area = 0;
    double x = 0;  // centroid; 0 when the area is not positive
    double y = 0;
};

// Area and centroid of the closed polygon.
AreaCentroid polygonAreaCentroid(const PolygonBuffer& buffer);

struct PolygonResult {
    double area = 0;  // as the coordinate method gives it, negative for an inverted outline
    double centroidX = 0;
    double centroidY = 0;
    // The area of the body the polygon stands for. An outline whose corners run the
    // wrong way round (front soil below a front ground under the toe's top, say)
    // encloses no body: it has no weight and no buoyancy.
    double bodyArea() const { return area > 0 ? area : 0.0; }
    // Corners without consecutive repeats; entry q closes the outline.
    std::array<double, PolygonBuffer::capacity> xs{};
    std::array<double, PolygonBuffer::capacity> ys{};
    int q = 0;
};

// The key's polygon on the point table, measured.
PolygonResult polygonProperties(const TTeisu& t, std::string_view key);

// The part of the stem above a horizontal section `depth` below the crest, in
// coordinates of the section: X from the front face, Y up from the section.
AreaCentroid stemSliceProperties(const TTeisu& t, double depth);

// Unit weight by selector: "rc" concrete, "rw" water, "rs" backfill soil, "r9" the
// fixed 9 kN/m3 of soil buoyancy; 0 for another selector.
double unitWeightOf(const TTeisu& t, std::string_view selector);

// A polygon weighed as the coordinate method writes it out: W = A·γ and the first
// moments of area Iy = A·x and Ix = A·y, from the signed area.
struct PolygonWeight {
    PolygonResult polygon;
    double W = 0;
    double Iy = 0;
    double Ix = 0;
};
PolygonWeight polygonWeight(const TTeisu& t, std::string_view key, std::string_view selector);

// The load polygons the book lists, each measured and weighed with the unit weight
// its body takes: the wall body and the toe slab in concrete, their submerged parts
// in water, the front soil in backfill soil and its submerged part at the fixed
// 9 kN/m3. Weighed once on the finished stability stage; the pages read them.
struct LoadPolygonTable {
    struct Entry {
        std::string_view key;
        PolygonWeight weighed;
    };
    std::vector<Entry> entries;
    // The weighed polygon of the key; std::out_of_range for a key not weighed.
    const PolygonWeight& of(std::string_view key) const;
    // The wall body "W_A": its corners are the wall's outline in every figure.
    const PolygonResult& wallBody() const { return of("W_A").polygon; }
};
LoadPolygonTable weighLoadPolygons(const TTeisu& t);

struct SlabLoad {
    double weight = 0;
    double lever = 0;  // from the stem face: towards the toe for "T", the heel for "K"
};
SlabLoad slabLoadByKey(const TTeisu& t, std::string_view key, std::string_view side,
                       std::string_view selector);

}  // namespace marvoten
