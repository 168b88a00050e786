#pragma once

namespace Tarvex {

// The numbers are the platform's own so that stored scale modes keep their meaning.
enum class ScaleModes { Twips = 1, Pixels = 3 };

// Lengths of a drawing surface in its current scale.
class Scale {
public:
    // The platform's fixed ratio between its two length units (96 dots per inch).
    static constexpr int TwipsPerPixel = 15;

    ScaleModes Mode { ScaleModes::Pixels }; // the unit of every coordinate the surface takes or gives

    double ToPixels(double Value) const;
    double FromPixels(double Pixels) const;
    // A coordinate in the current scale as a whole pixel (nearest, ties to even), held to a range
    // that the drawing code can step through safely.
    int ToPixelIndex(double Value) const;
};

} // namespace Tarvex
