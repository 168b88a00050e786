#pragma once

namespace Tarvex {

// The numbers are the platform's own so that stored scale modes keep their meaning. Characters
// are counted across (120 twips each); any number not listed is taken as twips.
enum class ScaleModes { Twips = 1, Points = 2, Pixels = 3, Characters = 4, Inches = 5, Millimeters = 6, Centimeters = 7 };

// Lengths of a drawing surface in its current scale.
class Scale {
public:
    // The platform's fixed ratio between its two length units (96 dots per inch).
    static constexpr int TwipsPerPixel = 15;

    ScaleModes Mode { ScaleModes::Pixels }; // the unit of every coordinate the surface takes or gives

    double ToPixels(double Value) const;
    double FromPixels(double Pixels) const;
    // How many units of a mode make one pixel (15 twips, 0.75 points, ...), across and down: only
    // characters differ (120 twips across, 240 down).
    static double UnitsPerPixel(ScaleModes Mode);
    static double UnitsPerPixelDown(ScaleModes Mode);
    // A coordinate in the current scale as a whole pixel (nearest, ties to even), held to a range
    // that the drawing code can step through safely.
    int ToPixelIndex(double Value) const;
};

} // namespace Tarvex
