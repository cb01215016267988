#include "report/other_loads_report.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "book/line_format.h"

namespace marvoten {
namespace {

// A load that acts gets its block of lines; one that does not, its "：なし" line.
void optionalBlock(TextSection& t, bool acts, const char* absent,
                   std::initializer_list<std::string> lines) {
    if (acts)
        t.addLines(lines);
    else
        t.addLine(absent);
}

void passiveBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    if (!(dc.hasPassive.on || a.passivePressure > 0)) {
        t.addLine("①受働土圧(Pp)：なし");
        return;
    }
    t.addLine("①受働土圧(Pp)");
    if (a.hasWater != 1) {
        t.addLines({"        γ･Ho^2", fv("  Pp=Kp･--------+2･C√Kp=0.00kN", a.passivePressure),
                    "           2", "  ここに",
                    fv("    γ(土の単位重量)  =0.00kN/m3", a.embedUnitWeight),
                    fv("    Ho(有効根入長)    =0.000m", a.passiveDepth)});
    } else {
        t.addLines({fv("  Pp=Kp･Σγ･H+2･C√Kp=0.00kN", a.passivePressure), "  ここに",
                    fv("    γ (土の単位重量) =0.00kN/m3", a.embedUnitWeight),
                    fv("    γw(土の水中重量) =0.00kN/m3", a.embedUnitWeight - 9.0),
                    fv("    H1 (γ の層厚)    =0.000m", a.passiveDryDepth),
                    fv("    H2 (γwの層厚)    =0.000m", a.passiveWetDepth)});
    }
    t.addLine(fv("    C  (土の粘着力)   =0.00kN/m2", a.embedCohesion));
    if (a.seismicCombination == 2 || a.seismicCombination == 4) {
        t.addLines({"           [cos(φ-θ)]^2",
                    fv(" Kp=------------------------------=0.00", a.passiveCoeff),
                    "       2        sinφ･sin(φ-θ)      ", "    cos(θ)[1-√----------------]^2",
                    "                   cos(-θ)"});
    } else {
        t.addLines({"         1+sinφ", fv("    Kp=-----------    =0.00", a.passiveCoeff),
                    "         1-sinφ"});
    }
}

void waterBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    optionalBlock(
        t, dc.hasWater.on, "②水圧        ：なし ",
        {"②水圧", "           γw･Hw^2", fv("  Pw(水圧)=---------  =0.00kN", a.backWaterPressure),
         "               2", fv("  M(ﾓｰﾒﾝﾄ)=Pw･Hp      =0.00kNm", a.backWaterMoment), "  ここに",
         fv("    γw(単位重量)     =0.00kN/m3", a.waterUnitWeight),
         fv("    Hw(水深)          =0.000m", a.waterDepth),
         fv("    Hp(作用点)        =0.000m", a.backWaterLever)});
}

void windBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    optionalBlock(t, dc.hasWind.on, "③風荷重      ：なし ",
                  {"③風荷重", fv("  Pf(風荷重)=H･P      =0.00kN", a.windForce),
                   fv("  M(ﾓｰﾒﾝﾄ)  =Pf･Hp    =0.00kNm", a.windMoment), "  ここに",
                   fv("    P(荷重強度)       =0.00kN/m2", a.windPressure),
                   fv("    H(遮音壁高)       =0.000m", a.barrierHeight),
                   fv("    Hp(作用点)        =0.000m", a.windLever)});
}

void collisionBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    optionalBlock(t, dc.hasCollision.on, "④衝突荷重    ：なし ",
                  {"④衝突荷重", fv("  Pf(衝突荷重)=P/L    =0.00kN", a.collisionForce),
                   fv("  M (ﾓｰﾒﾝﾄ)   =Pf･Hp  =0.00kNm", a.collisionMoment), "  ここに",
                   fv("    P (衝突荷重)      =0.00kN", a.collisionLoad),
                   fv("    L (擁壁長)        =0.000m", a.blockLength),
                   fv("    Hp(作用点)        =0.000m", a.collisionLever)});
}

void buoyancyBlock(const TAntei& a, TextSection& t) {
    optionalBlock(
        t, a.hasWater == 1, "⑤浮力        ：なし ",
        {"⑤浮力", "  擁壁の浮力", fv("    Pv(浮力)          =0.00kN", a.bodyBuoyancy),
         fv("    x (作用位置)      =0.000m", a.bodyBuoyancyX),
         fv("    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", a.bodyBuoyancyMoment), "  前面土の浮力",
         fv("    Pv(浮力)          =0.00kN", a.soilBuoyancy),
         fv("    x (作用位置)      =0.000m", a.soilBuoyancyX),
         fv("    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", a.soilBuoyancyMoment),
         fv("  ΣPv(浮力 合計)     =0.00kN", a.bodyBuoyancy + a.soilBuoyancy),
         fv("  ΣM (ﾓｰﾒﾝﾄ合計)     =0.00kNm", a.bodyBuoyancyMoment + a.soilBuoyancyMoment)});
}

// A cell that does not apply.
constexpr double absent = -99;

// V, H, x, y, V･x, H･y of one row of the load list.
using LoadRow = std::array<double, 6>;

std::string loadCell(int column, double value) {
    if (value == absent) return "---";
    static constexpr const char* patterns[] = {"#,0.00kN", "#,0.00kN",  "#,0.000m",
                                               "#,0.000m", "#,0.00kNm", "#,0.00kNm"};
    return formatValue(patterns[column], value);
}

void writeRow(TableSection& table, int row, const LoadRow& values) {
    for (int c = 0; c < 6; ++c)
        table.setCell(c + 1, row, loadCell(c, values[static_cast<std::size_t>(c)]));
}

}  // namespace

void writeOtherLoadsText(const TAntei& a, const DesignConditions& dc, CalculationBook& book) {
    TextSection& t = book.text(TextId::OtherLoadsText);
    t.clear();
    t.addLine("２．その他の荷重");
    passiveBlock(a, dc, t);
    t.addLine("");
    waterBlock(a, dc, t);
    t.addLine("");
    windBlock(a, dc, t);
    t.addLine("");
    collisionBlock(a, dc, t);
    t.addLine("");
    buoyancyBlock(a, t);
}

void writeLoadList(const TAntei& a, CalculationBook& book) {
    TableSection& table = book.table(TableId::LoadListTable);
    const double X = absent;
    writeRow(table, 1,
             {a.bodyWeight, a.bodyInertia, a.bodyCentroidX, a.bodyCentroidY, a.bodyMomentV,
              a.bodyMomentH});
    if (a.frontSoilWeight > 0)
        writeRow(table, 2,
                 {a.frontSoilWeight, a.frontSoilInertia, a.frontSoilCentroidX, a.frontSoilCentroidY,
                  a.frontSoilMomentV, a.frontSoilMomentH});
    if (a.soilSurchargeLoad > 0)
        writeRow(table, 3,
                 {a.soilSurchargeLoad, X, a.soilSurchargeX, X,
                  a.soilSurchargeLoad * a.soilSurchargeX, X});
    writeRow(table, 4,
             {a.earthPressureV, a.earthPressureH, a.pressureX, a.pressureY, a.earthPressureMomentV,
              a.earthPressureMomentH});
    if (a.passivePressure > 0) {
        writeRow(table, 5, {X, a.passivePressure, X, X, X, X});
        table.setCell(2, 5, "(" + formatValue("0.00kN", a.passivePressure) + ")");
    }
    if (a.backWaterPressure > 0) {
        writeRow(table, 6, {X, a.backWaterPressure, X, a.backWaterLever, X, a.backWaterMoment});
        writeRow(table, 7,
                 {-a.buoyancy, X, a.buoyancy != 0 ? a.buoyancyX : X, X, -a.buoyancyMoment, X});
    }
    if (a.windForce > 0) writeRow(table, 8, {X, a.windForce, X, a.windLever, X, a.windMoment});
    if (a.collisionForce > 0)
        writeRow(table, 9, {X, a.collisionForce, X, a.collisionLever, X, a.collisionMoment});
    writeRow(table, 10, {a.sumV, a.sumH, X, X, a.sumMr, a.sumMo});
}

}  // namespace marvoten
