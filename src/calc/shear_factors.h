#pragma once
// Correction factors of the allowable shear stress τa1 of concrete: Ce for the effective
// depth, Cpt for the tensile reinforcement ratio and Cdc for the shear span ratio, each
// interpolated linearly in the guideline's table and held at its end values outside it.

namespace marvoten {

double Ce(double d);        // effective depth d in mm
double Cpt(double Pt);      // tensile reinforcement ratio in per cent
double Cdc(double aOverD);  // shear span ratio a/d

}  // namespace marvoten
