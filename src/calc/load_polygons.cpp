#include "calc/load_polygons.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace marvoten {
namespace {

const std::vector<std::vector<int>> polygonTypes{
    {0, 0, 0, 0, 0},                                      // 0 no polygon
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0},    // 1 W_A
    {18, 6, 7, 8, 9, 18},                                 // 2 K_M
    {0, 1, 2, 3, 17, 0},                                  // 3 T_M
    {0, 1, 2, 14, 19, 0},                                 // 4 T_S, level strip
    {0, 1, 14, 19, 0},                                    // 5 T_S, sloped top
    {0, 31, 16, 9, 10, 11, 12, 13, 0},                    // 6 W_FA, water 1
    {0, 1, 31, 16, 8, 9, 10, 11, 12, 13, 0},              // 7 W_FA, water 2
    {0, 1, 2, 3, 31, 16, 6, 7, 8, 9, 10, 11, 12, 13, 0},  // 8 W_FA, water 3
    {1, 24, 26, 3, 2, 1},                                 // 9 TS_A
    {1, 24, 25, 3, 2, 1},                                 // 10 TS_M
    {6, 5, 22, 23, 8, 7, 6},                              // 11 KS_A
    {6, 21, 22, 23, 8, 7, 6},                             // 12 KS_M
    {8, 16, 20, 8},                                       // 13 KS_FA, water 2
    {6, 16, 20, 8, 7, 6},                                 // 14 KS_FA, water 3
    {1, 27, 15, 1},                                       // 15 TS_FA, water 2
    {1, 27, 15, 3, 2, 1},                                 // 16 TS_FA, water 3
    {1, 24, 30, 14, 2, 1},                                // 17 TS_S
    {1, 24, 30, 14, 1},                                   // 18 TS_S
    {18, 29, 16, 9, 18},                                  // 19 K_FM, water 1
    {18, 29, 16, 8, 9, 18},                               // 20 K_FM, water 2
    {18, 6, 7, 8, 9, 18},                                 // 21 K_FM, water 3
    {0, 15, 28, 17, 0},                                   // 22 T_FM, water 1
    {0, 1, 15, 28, 17, 0},                                // 23 T_FM, water 2
    {0, 1, 2, 3, 17, 0},                                  // 24 T_FM, water 3
    {0, 15, 32, 19, 0},                                   // 25 T_FS, water 1
    {0, 1, 15, 32, 19, 0},                                // 26 T_FS, water 2
    {0, 1, 14, 19, 0},                                    // 27 T_FS, water 2
    {0, 1, 14, 19, 0},                                    // 28 T_FS, water 3
    {0, 1, 2, 14, 19, 0},                                 // 29 T_FS, water 3
    {1, 27, 15, 1},                                       // 30 TS_FM, water 2
    {1, 27, 28, 3, 2, 1},                                 // 31 TS_FM, water 3
    {1, 27, 15, 1},                                       // 32 TS_FS, water 2
    {1, 27, 32, 14, 1},                                   // 33 TS_FS, water 2
    {1, 27, 32, 14, 1},                                   // 34 TS_FS, water 3
    {1, 27, 32, 14, 2, 1},                                // 35 TS_FS, water 3
    {16, 20, 8, 16},                                      // 36 KS_FM, water 2
    {6, 29, 20, 8, 7, 6},                                 // 37 KS_FM, water 3
    {34, 33, 7, 8, 9, 34},                                // 38 K_S within the heel
    {34, 33, 8, 9, 34},                                   // 39 K_S beyond the heel
    {34, 36, 16, 9, 34},                                  // 40 K_FS, water 1
    {34, 36, 16, 8, 9, 34},                               // 41 K_FS, water 2
    {34, 36, 8, 9, 34},                                   // 42 K_FS, water 2
    {34, 33, 8, 9, 34},                                   // 43 K_FS, water 3
    {34, 33, 7, 8, 9, 34},                                // 44 K_FS, water 3
    {33, 35, 37, 23, 8, 7, 33},                           // 45 KS_S
    {33, 35, 37, 23, 8, 33},                              // 46 KS_S
    {8, 16, 20, 8},                                       // 47 KS_FS, water 2
    {8, 33, 36, 20, 8},                                   // 48 KS_FS, water 2
    {8, 33, 36, 20, 8},                                   // 49 KS_FS, water 3
    {8, 7, 33, 36, 20, 8},                                // 50 KS_FS, water 3
};

// Type by water state 0 … 3.
int byWater(int w, int t0, int t1, int t2, int t3) {
    const int types[] = {t0, t1, t2, t3};
    return types[std::clamp(w, 0, 3)];
}

struct KeyRule {
    std::string_view key;
    int (*type)(const TTeisu& t, int w);
};

double X(const TTeisu& t, int i) {
    return t.point(i).x;
}
double Y(const TTeisu& t, int i) {
    return t.point(i).y;
}
bool frontGroundAboveSlab(const TTeisu& t) {
    return Y(t, 3) < Y(t, 24);
}

const KeyRule keyRules[] = {
    {"W_A", [](const TTeisu&, int) { return 1; }},
    {"K_M", [](const TTeisu&, int) { return 2; }},
    {"T_M", [](const TTeisu&, int) { return 3; }},
    {"K_S",
     [](const TTeisu& t, int) {
         const double xs = X(t, 6) + Y(t, 6) / 2;
         if (X(t, 6) < xs && xs <= X(t, 7)) return 38;
         return xs > X(t, 7) ? 39 : 0;
     }},
    {"T_S",
     [](const TTeisu& t, int) {
         const double xs = X(t, 3) - Y(t, 3) / 2;
         if (xs > X(t, 2)) return 4;
         return X(t, 1) < xs && xs <= X(t, 2) ? 5 : 0;
     }},
    {"W_FA", [](const TTeisu&, int w) { return byWater(w, 0, 6, 7, 8); }},
    {"K_FM", [](const TTeisu&, int w) { return byWater(w, 0, 19, 20, 21); }},
    {"K_FS",
     [](const TTeisu& t, int w) {
         return byWater(w, 0, 40, t.waterDepth <= Y(t, 33) ? 41 : 42,
                        X(t, 33) >= X(t, 7) ? 43 : 44);
     }},
    {"T_FM", [](const TTeisu&, int w) { return byWater(w, 0, 22, 23, 24); }},
    {"T_FS",
     [](const TTeisu& t, int w) {
         return byWater(w, 0, 25, t.waterDepth <= Y(t, 14) ? 26 : 27,
                        X(t, 14) <= X(t, 2) ? 28 : 29);
     }},
    {"TS_A", [](const TTeisu& t, int) { return frontGroundAboveSlab(t) ? 9 : 0; }},
    {"TS_M", [](const TTeisu& t, int) { return frontGroundAboveSlab(t) ? 10 : 0; }},
    {"TS_S",
     [](const TTeisu& t, int) {
         if (!frontGroundAboveSlab(t)) return 0;
         return X(t, 2) <= X(t, 14) ? 17 : 18;
     }},
    {"TS_FA", [](const TTeisu&, int w) { return byWater(w, 0, 0, 15, 16); }},
    {"TS_FM", [](const TTeisu&, int w) { return byWater(w, 0, 0, 30, 31); }},
    {"TS_FS",
     [](const TTeisu& t, int w) {
         return byWater(w, 0, 0, t.waterDepth <= Y(t, 14) ? 32 : 33, X(t, 14) <= X(t, 2) ? 34 : 35);
     }},
    {"KS_A", [](const TTeisu&, int) { return 11; }},
    {"KS_M", [](const TTeisu&, int) { return 12; }},
    {"KS_S", [](const TTeisu& t, int) { return X(t, 7) >= X(t, 33) ? 45 : 46; }},
    {"KS_FA", [](const TTeisu&, int w) { return byWater(w, 0, 0, 13, 14); }},
    {"KS_FM", [](const TTeisu&, int w) { return byWater(w, 0, 0, 36, 37); }},
    {"KS_FS",
     [](const TTeisu& t, int w) {
         return byWater(w, 0, 0, t.waterDepth <= Y(t, 33) ? 47 : 48, X(t, 33) >= X(t, 7) ? 49 : 50);
     }},
};

PolygonResult measureBuffer(const PolygonBuffer& b) {
    PolygonResult r;
    const AreaCentroid ac = polygonAreaCentroid(b);
    r.area = ac.area;
    r.centroidX = ac.x;
    r.centroidY = ac.y;
    int q = 0;
    r.xs[0] = b.x[0];
    r.ys[0] = b.y[0];
    for (int k = 1; k <= b.n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (b.x[i] != b.x[i - 1] || b.y[i] != b.y[i - 1]) {
            ++q;
            r.xs[static_cast<std::size_t>(q)] = b.x[i];
            r.ys[static_cast<std::size_t>(q)] = b.y[i];
        }
    }
    r.q = q;
    return r;
}

}  // namespace

int waterState(const TTeisu& t) {
    const double H1 = t.waterDepth;
    if (H1 <= 0) return 0;
    if (H1 <= Y(t, 1)) return 1;
    if (H1 <= Y(t, 3)) return 2;
    return 3;
}

const std::vector<int>& polygonTypeVertices(int type) {
    return polygonTypes.at(static_cast<std::size_t>(type));
}

int polygonType(const TTeisu& t, std::string_view key) {
    const int w = waterState(t);
    for (const KeyRule& rule : keyRules)
        if (rule.key == key) return rule.type(t, w);
    return 0;
}

AreaCentroid polygonAreaCentroid(const PolygonBuffer& b) {
    double A = 0, Sx = 0, Sy = 0;
    double xc = b.x[0], yc = b.y[0];
    for (int k = 0; k < b.n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double dx = b.x[i + 1] - b.x[i];
        const double dy = b.y[i + 1] - b.y[i];
        const double at = dx * dy / 2;  // triangle part
        A += at;
        Sx += (xc + 2 * dx / 3) * at;
        Sy += (yc + dy / 3) * at;
        const double ar = dx * yc;  // rectangle part
        A += ar;
        Sx += (xc + dx / 2) * ar;
        Sy += ar * yc / 2;
        xc += dx;
        yc += dy;
    }
    if (A > 0) return {A, Sx / A, Sy / A};
    return {A, 0, 0};
}

PolygonResult polygonProperties(const TTeisu& t, std::string_view key) {
    const std::vector<int>& vertices = polygonTypeVertices(polygonType(t, key));
    PolygonBuffer b;
    b.n = static_cast<int>(vertices.size()) - 1;
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        b.x[k] = t.point(vertices[k]).x;
        b.y[k] = t.point(vertices[k]).y;
    }
    return measureBuffer(b);
}

AreaCentroid stemSliceProperties(const TTeisu& t, double depth) {
    const WallPoint &P3 = t.point(3), &P4 = t.point(4), &P5 = t.point(5), &P6 = t.point(6);
    const double Hs = P4.y - P3.y;
    const double g = Hs != 0 ? depth / Hs : 0.0;
    PolygonBuffer b;
    const double frontTop = g * (P4.x - P3.x);
    const double backTop = frontTop + P5.x - P4.x;
    const double backFoot = backTop + g * (P6.x - P5.x);
    b.n = 4;
    b.x[0] = 0, b.y[0] = 0;
    b.x[1] = frontTop, b.y[1] = depth;
    b.x[2] = backTop, b.y[2] = depth;
    b.x[3] = backFoot, b.y[3] = 0;
    b.x[4] = 0, b.y[4] = 0;
    return polygonAreaCentroid(b);
}

double unitWeightOf(const TTeisu& t, std::string_view selector) {
    if (selector == "rc") return t.concreteUnitWeight;
    if (selector == "rw") return t.waterUnitWeight;
    if (selector == "rs") return t.backfillUnitWeight;
    if (selector == "r9") return 9.0;
    return 0.0;
}

PolygonWeight polygonWeight(const TTeisu& t, std::string_view key, std::string_view selector) {
    PolygonWeight w;
    w.polygon = polygonProperties(t, key);
    const double A = w.polygon.area;
    w.W = A * unitWeightOf(t, selector);
    w.Iy = A * w.polygon.centroidX;
    w.Ix = A * w.polygon.centroidY;
    return w;
}

const PolygonWeight& LoadPolygonTable::of(std::string_view key) const {
    for (const Entry& e : entries)
        if (e.key == key) return e.weighed;
    throw std::out_of_range("load polygon not weighed: " + std::string(key));
}

LoadPolygonTable weighLoadPolygons(const TTeisu& t) {
    // Stability ("A") polygons of the whole wall, then the toe slab's moment ("M")
    // and shear ("S") sections; "F" marks the submerged part.
    struct Weighing {
        std::string_view key, selector;
    };
    static constexpr Weighing weighings[] = {
        {"W_A", "rc"},  {"W_FA", "rw"}, {"TS_A", "rs"},  {"TS_FA", "r9"},
        {"T_M", "rc"},  {"T_S", "rc"},  {"T_FM", "rw"},  {"T_FS", "rw"},
        {"TS_M", "rs"}, {"TS_S", "rs"}, {"TS_FM", "r9"}, {"TS_FS", "r9"},
    };
    LoadPolygonTable table;
    for (const Weighing& w : weighings)
        table.entries.push_back({w.key, polygonWeight(t, w.key, w.selector)});
    return table;
}

SlabLoad slabLoadByKey(const TTeisu& t, std::string_view key, std::string_view side,
                       std::string_view selector) {
    const PolygonResult p = polygonProperties(t, key);
    SlabLoad load;
    load.weight = p.bodyArea() * unitWeightOf(t, selector);
    if (side == "T") load.lever = std::max(0.0, t.point(3).x - p.centroidX);
    if (side == "K") load.lever = std::max(0.0, p.centroidX - t.point(6).x);
    return load;
}

}  // namespace marvoten
