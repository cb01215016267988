#include "report/other_loads_report.h"

#include <array>
#include <string>

#include "book/line_format.h"

namespace marvoten {
namespace {

void passiveBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    if (!(dc.hasPassive.on || a.passivePressure > 0)) {
        t.addLine("①受働土圧(Pp)：なし");
        return;
    }
    t.addLine("①受働土圧(Pp)");
    if (a.hasWater != 1) {
        t.addLine("        γ･Ho^2");
        t.addLine(formatValue("  Pp=Kp･--------+2･C√Kp=0.00kN", a.passivePressure));
        t.addLine("           2");
        t.addLine("  ここに");
        t.addLine(formatValue("    γ(土の単位重量)  =0.00kN/m3", a.embedUnitWeight));
        t.addLine(formatValue("    Ho(有効根入長)    =0.000m", a.passiveDepth));
    } else {
        t.addLine(formatValue("  Pp=Kp･Σγ･H+2･C√Kp=0.00kN", a.passivePressure));
        t.addLine("  ここに");
        t.addLine(formatValue("    γ (土の単位重量) =0.00kN/m3", a.embedUnitWeight));
        t.addLine(formatValue("    γw(土の水中重量) =0.00kN/m3", a.embedUnitWeight - 9.0));
        t.addLine(formatValue("    H1 (γ の層厚)    =0.000m", a.passiveDryDepth));
        t.addLine(formatValue("    H2 (γwの層厚)    =0.000m", a.passiveWetDepth));
    }
    t.addLine(formatValue("    C  (土の粘着力)   =0.00kN/m2", a.embedCohesion));
    if (a.seismicCombination == 2 || a.seismicCombination == 4) {
        t.addLine("           [cos(φ-θ)]^2");
        t.addLine(formatValue(" Kp=------------------------------=0.00", a.passiveCoeff));
        t.addLine("       2        sinφ･sin(φ-θ)      ");
        t.addLine("    cos(θ)[1-√----------------]^2");
        t.addLine("                   cos(-θ)");
    } else {
        t.addLine("         1+sinφ");
        t.addLine(formatValue("    Kp=-----------    =0.00", a.passiveCoeff));
        t.addLine("         1-sinφ");
    }
}

void waterBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    if (!dc.hasWater.on) {
        t.addLine("②水圧        ：なし ");
        return;
    }
    t.addLine("②水圧");
    t.addLine("           γw･Hw^2");
    t.addLine(formatValue("  Pw(水圧)=---------  =0.00kN", a.backWaterPressure));
    t.addLine("               2");
    t.addLine(formatValue("  M(ﾓｰﾒﾝﾄ)=Pw･Hp      =0.00kNm", a.backWaterMoment));
    t.addLine("  ここに");
    t.addLine(formatValue("    γw(単位重量)     =0.00kN/m3", a.waterUnitWeight));
    t.addLine(formatValue("    Hw(水深)          =0.000m", a.waterDepth));
    t.addLine(formatValue("    Hp(作用点)        =0.000m", a.backWaterLever));
}

void windBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    if (!dc.hasWind.on) {
        t.addLine("③風荷重      ：なし ");
        return;
    }
    t.addLine("③風荷重");
    t.addLine(formatValue("  Pf(風荷重)=H･P      =0.00kN", a.windForce));
    t.addLine(formatValue("  M(ﾓｰﾒﾝﾄ)  =Pf･Hp    =0.00kNm", a.windMoment));
    t.addLine("  ここに");
    t.addLine(formatValue("    P(荷重強度)       =0.00kN/m2", a.windPressure));
    t.addLine(formatValue("    H(遮音壁高)       =0.000m", a.barrierHeight));
    t.addLine(formatValue("    Hp(作用点)        =0.000m", a.windLever));
}

void collisionBlock(const TAntei& a, const DesignConditions& dc, TextSection& t) {
    if (!dc.hasCollision.on) {
        t.addLine("④衝突荷重    ：なし ");
        return;
    }
    t.addLine("④衝突荷重");
    t.addLine(formatValue("  Pf(衝突荷重)=P/L    =0.00kN", a.collisionForce));
    t.addLine(formatValue("  M (ﾓｰﾒﾝﾄ)   =Pf･Hp  =0.00kNm", a.collisionMoment));
    t.addLine("  ここに");
    t.addLine(formatValue("    P (衝突荷重)      =0.00kN", a.collisionLoad));
    t.addLine(formatValue("    L (擁壁長)        =0.000m", a.blockLength));
    t.addLine(formatValue("    Hp(作用点)        =0.000m", a.collisionLever));
}

void buoyancyBlock(const TAntei& a, TextSection& t) {
    if (a.hasWater != 1) {
        t.addLine("⑤浮力        ：なし ");
        return;
    }
    t.addLine("⑤浮力");
    t.addLine("  擁壁の浮力");
    t.addLine(formatValue("    Pv(浮力)          =0.00kN", a.bodyBuoyancy));
    t.addLine(formatValue("    x (作用位置)      =0.000m", a.bodyBuoyancyX));
    t.addLine(formatValue("    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", a.bodyBuoyancyMoment));
    t.addLine("  前面土の浮力");
    t.addLine(formatValue("    Pv(浮力)          =0.00kN", a.soilBuoyancy));
    t.addLine(formatValue("    x (作用位置)      =0.000m", a.soilBuoyancyX));
    t.addLine(formatValue("    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", a.soilBuoyancyMoment));
    t.addLine(formatValue("  ΣPv(浮力 合計)     =0.00kN", a.bodyBuoyancy + a.soilBuoyancy));
    t.addLine(
        formatValue("  ΣM (ﾓｰﾒﾝﾄ合計)     =0.00kNm", a.bodyBuoyancyMoment + a.soilBuoyancyMoment));
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
        const double U = a.bodyBuoyancy + a.soilBuoyancy;
        const double M = a.bodyBuoyancyMoment + a.soilBuoyancyMoment;
        writeRow(table, 7, {-U, X, U != 0 ? M / U : X, X, -M, X});
    }
    if (a.windForce > 0) writeRow(table, 8, {X, a.windForce, X, a.windLever, X, a.windMoment});
    if (a.collisionForce > 0)
        writeRow(table, 9, {X, a.collisionForce, X, a.collisionLever, X, a.collisionMoment});
    writeRow(table, 10, {a.sumV, a.sumH, X, X, a.sumMr, a.sumMo});
}

}  // namespace marvoten
